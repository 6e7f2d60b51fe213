#include "toolkit/push_button.h"

#include "toolkit/window.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

namespace toolkit {

namespace {
// Several desktop styles paint button faces from their theme and ignore the
// palette; Fusion honours it, and the scale buttons show the choice in colour.
QStyle* colourHonouringStyle()
{
    static QStyle* const fusion = [] {
        QStyle* style = QStyleFactory::create(QStringLiteral("Fusion"));
        style->setParent(qApp);
        return style;
    }();
    return fusion;
}
} // namespace

PushButton::PushButton(Window& owner, const QString& caption, TwipsBox box, int tabPosition)
    : QPushButton(caption, &owner), box_(box), tabPosition_(tabPosition)
{
    setStyle(colourHonouringStyle());
    setGeometry(box_.pixels());
    setAutoFillBackground(true);
    connect(this, &QPushButton::clicked, this, [this] {
        if (onClick)
            onClick();
    });
    owner.adoptTabStop(this, tabPosition);
}

QColor PushButton::backColor() const { return palette().color(QPalette::Button); }

void PushButton::setBackColor(const QColor& colour)
{
    if (colour == backColor())
        return;
    QPalette faces = palette();
    faces.setColor(QPalette::Button, colour);
    setPalette(faces);
}

} // namespace toolkit
