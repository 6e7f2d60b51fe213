// A row's buttons are read with their row's record for as long as they
// live: the label they name as theirs never goes before them.
#include "support/hour_records.h"
#include "support/reader.h"
#include "support/started_tool.h"

#include <QPointer>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

TEST(HourRows, EveryButtonReadsItsRecordUntilItGoes)
{
    auto tool = std::make_unique<StartedTool>();
    Form1& form = tool->form();
    // Watched as objects: a button going is a button no more.
    std::vector<QPointer<QObject>> buttons;
    QStringList records;
    for (std::int16_t row = 0; row < form.Heure.size(); ++row) {
        recordHour(*tool, row, 100.0f + 10 * row, -200);
        for (toolkit::OptionButton* button : {&form.Heure(row), &form.Raz(row)}) {
            buttons.emplace_back(button);
            records << form.Label2(row).caption();
        }
    }
    // A screen reader may ask about any button still there while the
    // window's controls go, one by one.
    int reads = 0;
    QStringList misread;
    const auto readAll = [&](QObject* going) {
        for (std::size_t i = 0; i < buttons.size(); ++i) {
            if (!buttons[i] || buttons[i] == going)
                continue;
            ++reads;
            QAccessibleInterface* read = readerOf(*qobject_cast<toolkit::OptionButton*>(buttons[i]));
            if (read->text(QAccessible::Description) != records[static_cast<qsizetype>(i)])
                misread << read->text(QAccessible::Name);
        }
    };
    for (const auto& button : buttons)
        QObject::connect(button, &QObject::destroyed, readAll);
    tool.reset();
    EXPECT_EQ(reads, static_cast<int>(buttons.size() * (buttons.size() - 1) / 2));
    EXPECT_EQ(misread, QStringList());
}

} // namespace
