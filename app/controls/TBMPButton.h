#pragma once
#include <QFont>
#include <QImage>
#include <QWidget>

// The program's push button: a two-state skin picture, a caption or a glyph, a frame and a focus
// rectangle. It clicks when the left button is released over it after being pressed there (a
// release elsewhere does nothing; it looks pressed until it loses the focus), on Enter while it
// has the focus, and on Enter (Default) or Escape (Cancel) pressed anywhere in its window. A click
// fires OnClick and then, with a ModalResult other than 0, ends its dialog with that result.
class TBMPButton : public QWidget
{
    Q_OBJECT
public:
    explicit TBMPButton(QWidget* parent = nullptr);
    TBMPButton(const QString& caption, QWidget* parent = nullptr);

    QString Caption() const { return m_caption; }
    void SetText(const QString& caption);
    // The drawing font; the widget's own font does not affect the drawing.
    QFont GetFont() const { return m_font; }
    void SetFont(const QFont& font);
    // The glyph, drawn instead of the caption when it has a width; its pixel (2, 2) is transparent.
    QImage GetBitmap() const { return m_glyph; }
    void SetBitmap(const QImage& glyph);
    int ModalResult() const { return m_modalResult; }
    void SetModalResult(int result) { m_modalResult = result; }
    bool Default() const { return m_default; }
    void SetDefault(bool isDefault);
    bool Cancel() const { return m_cancel; }
    void SetCancel(bool isCancel);
    // A field of the button's own; the focus order follows the widgets' order.
    int TabOrder() const { return m_tabOrder; }
    void SetTabOrder(int order) { m_tabOrder = order; }

    // 0 released, 1 pressed.
    int ButtonState() const { return m_state; }
    void SetButtonState(int state);
    QPoint CaptionPosition() const { return m_captionPos; }
    void ClickEvent();
    void click() { ClickEvent(); }

    // The two-state skin: 32 x 16, the pressed half on the left, the released half on the right.
    static QImage ButtonSkin();

    QSize sizeHint() const override { return {75, 22}; }

signals:
    void OnClick();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void PlaceCaption();
    void WatchWindow();

    QString m_caption;
    QFont m_font;
    QImage m_glyph;
    QImage m_skin;
    QRect m_source;
    QPoint m_captionPos{2, 2};
    int m_modalResult = 0;
    bool m_default = false;
    bool m_cancel = false;
    int m_tabOrder = 0;
    int m_state = 0;
    QWidget* m_watchedWindow = nullptr;
};
