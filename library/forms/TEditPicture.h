#pragma once
#include "library/forms/CPointerDrag.h"

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QWidget>

class QFrame;
class QLabel;
class QPushButton;
class QToolButton;

// The picture of a construction record: shows, replaces, clears and exports the bytes stored in
// the record's picture column. Bytes that are not a picture the program can read are kept as they
// are (so storing the record loses nothing) but show "暂无图片". A record without a picture shows the
// file "lib/img/<name>.jpg" when there is one. View modes: 0 fit, 1 stretch, 2 actual size (drag to
// pan).
class TEditPicture : public QWidget
{
    Q_OBJECT
public:
    explicit TEditPicture(QWidget* parent = nullptr);

    void LoadPicture(const QByteArray& stored, const QString& recordName);
    // The bytes to store in the record's picture column.
    QByteArray SavePicture() const { return m_bytes; }
    void SetViewMode(int mode);
    int ViewMode() const { return m_viewMode; }
    // Whether a picture is shown (the image visible, "暂无图片" hidden).
    bool ShowsPicture() const;

    void QINGClick();
    void Button3Click();
    void Button4Click();

    QFrame* Panel1;
    QLabel* Edit_BMP;
    QLabel* Label1;
    QToolButton* SpeedButton3; // 适当位置
    QToolButton* SpeedButton2; // 充满拉伸
    QToolButton* SpeedButton1; // 实际大小
    QPushButton* QING;
    QPushButton* Button3;
    QPushButton* Button4;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowImage(const QImage& image);
    void ShowNothing();
    void FitInPanel();

    int m_viewMode = 0;
    CPointerDrag m_drag;
    QByteArray m_bytes;
    QImage m_image;
};
