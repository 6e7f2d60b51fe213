#include "main_window/hour_row.h"

#include "main_window/form1.h"

using namespace form1_design;
using toolkit::TwipsBox;

HourRow::HourRow(Form1& form, int row)
    : label(form),
      record(form, QStringLiteral("Option1"), TwipsBox{4980, rowTop(row), 192, 192}, 20 + row),
      erase(form, QStringLiteral("Option1"), TwipsBox{6720, rowTop(row), 192, 192}, 44 + row)
{
    label.setBox(5220, rowTop(row), 1440, 240);
    label.setBackColor(colour(ButtonFace));
    label.setForeColor(colour(Red));
    label.setBorder(true);
    label.setFont(font(SansSerif, 9.75));
    // Every button of the panel shows the same mark: a screen reader tells
    // them apart by row and role, and reads the row's record.
    record.setAccessibleName(QStringLiteral("Heure %1").arg(row + 1));
    erase.setAccessibleName(QStringLiteral("Effacer l'heure %1").arg(row + 1));
    record.setLabelledBy(label);
    erase.setLabelledBy(label);
    const auto index = static_cast<std::int16_t>(row);
    record.onClick = form.undoable("Heure_Click", [&form, index] {
        form.Heure_Click(index);
        form.sayHour(index);
    });
    erase.onClick = form.undoable("Raz_Click", [&form, index] {
        form.Raz_Click(index);
        form.sayHour(index);
    });
}
