#pragma once

#include "toolkit/caption_layout.h"
#include "toolkit/boxed_control.h"
#include "toolkit/system_colours.h"

#include <QColor>
#include <QFont>
#include <QString>

namespace toolkit {

enum class Alignment { Left, Centre };

// A rectangle of text with an opaque background, on whole pixels, in the
// button colours of the scheme unless told otherwise. The caption is kept as
// set; a lone carriage return in it starts a new line. Text wraps at the
// width.
class Label : public BoxedControl {
public:
    explicit Label(Window& owner) : BoxedControl(owner) {}

    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);

    // Sets the box, then fits the height to the caption when asked to.
    void setBox(float left, float top, float width, float height);

    QColor backColor() const { return backColor_; }
    QColor foreColor() const { return foreColor_; }
    void setBackColor(const QColor& colour) { assign(backColor_, colour); }
    void setForeColor(const QColor& colour) { assign(foreColor_, colour); }

    const QFont& font() const { return font_; }
    void setFont(const QFont& font);

    void setAlignment(Alignment alignment) { assign(alignment_, alignment); }
    void setBorder(bool border) { assign(border_, border); }

    // A disabled label lets the pointer through to its window.
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled) { enabled_ = enabled; }

    // When on, the height follows the caption wrapped at the width.
    void setAutoHeight(bool on);

    void paint(QPainter& painter, const QRegion& exposed) const override;
    QRectF paintedArea() const override;
    bool takesPointerAt(QPointF pixel) const override;
    void settle() override;

    // Lets the keyboard focus rest on the text, where a screen reader reads
    // it as a read-only text field: line by line with Up and Down, Page Up
    // and Page Down (to the first and the last line: the whole text shows at
    // once), Home and End (of the line; with Control, of the text), and by
    // character with Left and Right. Nothing of that shows: no caret, no
    // focus ring. A new caption puts the caret back at its start.
    void setReadFromKeyboard(bool on) { readFromKeyboard_ = on; }
    bool focusable() const override { return readFromKeyboard_ && readable(); }
    void keyDown(int key, int shift) override;
    int accessibleCaret() const override { return caret_; }

    // Read whenever shown, by its text.
    QAccessible::Role accessibleRole() const override
    {
        return readFromKeyboard_ ? QAccessible::EditableText : QAccessible::StaticText;
    }
    QString accessibleText() const override;
    bool readable() const override { return visible(); }
    QRectF accessibleArea() const override { return box(); }
    QRectF accessibleCharacterArea(int position) const override;

private:
    QRectF box() const;
    QRectF textArea() const;
    int textFlags() const;
    void fitHeight();
    void layOutCaption(const QFont& font) const;
    // The caption laid out as the window's painter will lay it out.
    void layOutForWindow() const;
    // The pixels the caption as last laid out may have drawn on.
    QRect textPixels() const;

    QString caption_;
    QColor backColor_ = systemColour(SystemColour::ButtonFace);
    QColor foreColor_ = systemColour(SystemColour::ButtonText);
    QFont font_;
    Alignment alignment_ = Alignment::Left;
    bool border_ = false;
    bool enabled_ = true;
    bool autoHeight_ = false;
    bool readFromKeyboard_ = false;
    int caret_ = 0;

    // The caption as last laid out: reused until the text, font or size
    // changes. A new caption's own area is known once it is laid out, when
    // the next frame begins.
    mutable CaptionLayout layout_;
    bool awaitingLayout_ = false;
};

} // namespace toolkit
