#include "library/forms/TViewPictureButtonFrame.h"

#include "app/controls/TBMPButton.h"
#include "library/forms/TPictureReview.h"

#include <QHBoxLayout>

TViewPictureButtonFrame::TViewPictureButtonFrame(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ViewPictureButtonFrame"));
    FlatButton1 = new TBMPButton(QStringLiteral("图例"), this);
    FlatButton1->setObjectName(QStringLiteral("FlatButton1"));
    FlatButton1->setFixedSize(41, 21);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(FlatButton1);
    setFixedSize(41, 21);
    connect(FlatButton1, &TBMPButton::OnClick, this, &TViewPictureButtonFrame::FlatButton1Click);
    s_legend = nullptr; // the window of an earlier frame stays with its owner
}

TPictureReview* TViewPictureButtonFrame::Legend()
{
    return s_legend.data();
}

void TViewPictureButtonFrame::FlatButton1Click()
{
    if (!s_legend) {
        s_legend = new TPictureReview(parentWidget() ? parentWidget() : this);
        s_legend->move(mapToGlobal(QPoint(FlatButton1->x() + FlatButton1->width(), FlatButton1->y())));
    }
    s_legend->setVisible(s_showNext);
    s_showNext = !s_showNext;
}
