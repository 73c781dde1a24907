#include "report/forms/TReportPreviewer.h"

#include "report/forms/TTQORPreviewForm_5.h"

#include <memory>

void TReportPreviewer::ShowPreview(CQORReport& report)
{
    auto form = std::make_unique<TTQORPreviewForm_5>();
    form->SetReport(&report);
    form->exec();
}
