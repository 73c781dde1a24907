#pragma once
#include <QImage>
#include <QWidget>
#include <array>

// A 24-hour profile (one value per hour, 0 to 100) drawn as bars. In editing mode it shows a
// scale strip at the right and an hour strip below, and a left click inside the value area sets
// the clicked hour to the clicked height. The owning form reads and writes Values directly and
// calls MyPaint after loading a profile or changing the mode. Values outside 0 to 100 given by
// code are kept as they are; only ChangeValue limits them.
class TWorkTime : public QWidget
{
    Q_OBJECT
public:
    explicit TWorkTime(QWidget* parent = nullptr);

    std::array<float, 24> Values{};

    bool Editing() const { return m_editing; }
    void SetStatus(bool editing);
    bool Activing() const { return m_activing; }
    void SetActiving(bool active);
    int ActiveColume() const { return m_activeColume; }
    void SetColume(int hour);
    // True: percent labels ("%d%"), false: degrees ("%dC").
    bool Type() const { return m_type; }
    void SetType(bool percent) { m_type = percent; }

    // Stores an hour's value (hours 0 to 23 only), redraws it and fires OnValueChange.
    void SetTimeValue(int hour, float value);
    // Adds delta to the selected hour's value, limited to 0 to 100; nothing without a selection.
    void ChangeValue(int delta);

    void MyPaint();
    void PaintValues();
    void PaintValue(int hour);
    void PaintMark();
    void PaintHourMark();

    // Layout, right and bottom edges excluded.
    QRect ValueArea() const { return m_valueArea; }
    QRect ScaleStrip() const { return m_scaleStrip; }
    QRect HourStrip() const { return m_hourStrip; }
    int ColumnWidth() const { return m_columnWidth; }
    const QImage& Picture() const { return m_picture; }

signals:
    void OnWindowValueChange(int time, float value);
    void OnValueChange(int time, float value);
    void OnActiveChange(int time, float value);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Layout();

    bool m_editing = false;
    bool m_activing = false;
    int m_activeColume = -1;
    bool m_type = true;
    QRect m_valueArea;
    QRect m_scaleStrip;
    QRect m_hourStrip;
    int m_columnWidth = 0;
    QImage m_picture;
};
