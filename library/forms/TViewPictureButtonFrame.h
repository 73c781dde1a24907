#pragma once
#include <QPointer>
#include <QWidget>

class TBMPButton;
class TPictureReview;

// The button "图例" of the outside-window and outside-door pages: shows the legend window beside
// the button, the next click hides it. All instances share one legend window and one toggle; a new
// frame starts a new window (the earlier one stays with its owner).
class TViewPictureButtonFrame : public QWidget
{
    Q_OBJECT
public:
    explicit TViewPictureButtonFrame(QWidget* parent = nullptr);

    void FlatButton1Click();
    static TPictureReview* Legend();

    TBMPButton* FlatButton1;

private:
    static inline QPointer<TPictureReview> s_legend;
    static inline bool s_showNext = true;
};
