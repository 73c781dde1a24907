#pragma once
#include "app/controls/EControlMode.h"

#include <QLineEdit>
#include <optional>

// The program's typed edit box. In MINTEGER and MFLOAT a keystroke, deletion or paste that leaves
// a text that does not convert is refused silently (an empty text and a lone "-" are allowed while
// typing). A number is committed only while its text converts and lies within MinValue and
// MaxValue; otherwise the text shows red and the box reads as its last committed value, or, when
// none was ever committed, as 0 moved into the bounds. In MSTRING nothing is refused or coloured
// and MaxValue is ignored; MinValue still applies when the text is read as a number. In MFIGURE a
// text with a character other than the digits and CanInputCharacter shows red; nothing is refused
// while typing, but a paste carrying such a character is dropped.
class TControlEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit TControlEdit(QWidget* parent = nullptr);

    // Bounds as decimal text; empty means none.
    QString MaxValue() const { return m_maxValue; }
    void SetMaxValue(const QString& value);
    QString MinValue() const { return m_minValue; }
    void SetMinValue(const QString& value);
    QString CanInputCharacter() const { return m_canInputCharacter; }
    void SetCanInputCharacter(const QString& characters);
    EControlMode ControlMode() const { return m_controlMode; }
    void SetControlMode(EControlMode mode);

    // Skin: picture file names under the skin folder and the width of its border; empty = no skin.
    QString BKPicName() const { return m_bkPicName; }
    void SetBKPicName(const QString& name);
    QString BKFocusPicName() const { return m_bkFocusPicName; }
    void SetBKFocusPicName(const QString& name);
    int CornerWidth() const { return m_cornerWidth; }
    void SetCornerWidth(int width);

    double AsDouble() const;
    float AsFloat() const;
    // The text as an integer when it is one within the bounds; otherwise AsDouble() truncated.
    int AsInt() const;
    // False only when both texts convert and the text's value lies below (above) the bound.
    bool CheckMin() const;
    bool CheckMax() const;
    // Whether the text is a number that is committed (converts, within the bounds).
    bool HoldsValidValue() const;
    // Whether the text is shown red as refused.
    bool ShowsError() const { return m_showsError; }

    // Moves the focus to the next control of the window. Enter, and Down or Right at the end of
    // the text, do so for a box of a form (not for a cell editor of a view).
    void NextFocus();
    void SetViewRGN();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool BelongsToForm() const;
    std::optional<double> ValidValue() const;
    double Fallback() const;
    bool InBounds(double value) const;
    bool PasteAllowed(const QString& pasted) const;
    void TextChanged();
    void SetShowsError(bool error);

    QString m_maxValue;
    QString m_minValue;
    QString m_canInputCharacter;
    EControlMode m_controlMode = MSTRING;
    QString m_bkPicName;
    QString m_bkFocusPicName;
    int m_cornerWidth = 0;
    std::optional<double> m_lastValid;
    bool m_showsError = false;
};
