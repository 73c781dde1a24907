#include "platform/ui/TToolDialogs.h"

#include "platform/ui/TApplication.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QInputDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QWidget* Owner()
{
    return QApplication::activeWindow();
}

// "确定" and "取消" under the dialog's content, wired to accept and reject.
QDialogButtonBox* AddOkCancel(QDialog& dialog)
{
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    box->button(QDialogButtonBox::Ok)->setText(QStringLiteral("确定"));
    box->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
    QObject::connect(box, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(box, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return box;
}
} // namespace

TToolDialogs::TToolDialogs() = default;

TToolDialogs::~TToolDialogs()
{
    delete m_progress;
}

int TToolDialogs::BeginProgress(bool, int total, const QString& title)
{
    delete m_progress;
    m_progress = new QProgressDialog(title, QString(), 0, qMax(total, 1), Owner());
    m_progress->setWindowTitle(title);
    m_progress->setMinimumDuration(0);
    m_progress->setAutoReset(false);
    m_progress->setValue(0);
    m_progress->show();
    QApplication::processEvents();
    return 0;
}

int TToolDialogs::StepProgress(int steps)
{
    if (!m_progress)
        return 0;
    m_progress->setValue(qMin(m_progress->value() + steps, m_progress->maximum()));
    m_progress->repaint();
    return 0;
}

int TToolDialogs::EndProgress()
{
    delete m_progress;
    return 0;
}

int TToolDialogs::Input(const QString& prompt, QString& value, int, const QString& caption)
{
    QInputDialog dialog(Owner());
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setTextValue(value);
    dialog.setOkButtonText(QStringLiteral("确定"));
    dialog.setCancelButtonText(QStringLiteral("取消"));
    if (dialog.exec() != QDialog::Accepted)
        return 2;
    value = dialog.textValue();
    return 6;
}

int TToolDialogs::InputList(const QStringList& labels, QStringList& values, int, const QString& title)
{
    QDialog dialog(Owner());
    dialog.setWindowTitle(title);
    auto* form = new QFormLayout;
    QList<QLineEdit*> edits;
    for (int i = 0; i < labels.size(); ++i) {
        auto* edit = new QLineEdit(i < values.size() ? values[i] : QString(), &dialog);
        form->addRow(labels[i], edit);
        edits << edit;
    }
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(form);
    layout->addWidget(AddOkCancel(dialog));
    if (dialog.exec() != QDialog::Accepted)
        return 2;
    values.clear();
    for (QLineEdit* edit : edits)
        values << edit->text();
    return 6;
}

int TToolDialogs::Select(const QString& title, const QStringList& options)
{
    QDialog dialog(Owner());
    dialog.setWindowTitle(title);
    auto* list = new QListWidget(&dialog);
    list->addItems(options);
    list->setCurrentRow(0);
    QObject::connect(list, &QListWidget::itemDoubleClicked, &dialog, &QDialog::accept);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(list);
    layout->addWidget(AddOkCancel(dialog));
    if (dialog.exec() != QDialog::Accepted)
        return -1;
    return list->currentRow();
}

int TToolDialogs::ShowInfor(const QString& caption, const QString& message, int style, int icon,
                            const QString& firstButton, const QString& secondButton, int defaultButton)
{
    QMessageBox box(Owner());
    box.setWindowTitle(caption);
    box.setText(message);
    static const QMessageBox::Icon icons[] = {QMessageBox::Warning, QMessageBox::Critical,
                                              QMessageBox::Information, QMessageBox::Question};
    box.setIcon(icon >= 0 && icon <= 3 ? icons[icon] : QMessageBox::Information);
    QPushButton* first = box.addButton(firstButton, QMessageBox::AcceptRole);
    QPushButton* second = style == 9 ? box.addButton(secondButton, QMessageBox::RejectRole) : nullptr;
    box.setDefaultButton(second && defaultButton == 2 ? second : first);
    box.exec();
    return box.clickedButton() == first ? 6 : 7;
}

void TToolDialogs::ShowMessage(const QString& message)
{
    QMessageBox box(Owner());
    box.setWindowTitle(TApplication::Title());
    box.setText(message);
    box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole);
    box.exec();
}

void TToolDialogs::BeginWaitCursor()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void TToolDialogs::EndWaitCursor()
{
    QApplication::restoreOverrideCursor();
}

bool TToolDialogs::GetOpenFileName(const QString& title, const QString& filter, QString& fileName)
{
    const QString chosen = QFileDialog::getOpenFileName(Owner(), title, fileName, filter);
    if (chosen.isEmpty())
        return false;
    fileName = chosen;
    return true;
}

bool TToolDialogs::GetSaveFileName(const QString& title, const QString& filter, QString& fileName)
{
    const QString chosen = QFileDialog::getSaveFileName(Owner(), title, fileName, filter, nullptr,
                                                        QFileDialog::DontConfirmOverwrite);
    if (chosen.isEmpty())
        return false;
    fileName = chosen;
    return true;
}

bool TToolDialogs::GetSaveFileNameAndFilter(const QString& title, const QString& filter, QString& fileName,
                                            int& filterIndex)
{
    const QStringList filters = filter.split(QStringLiteral(";;"));
    QString selected = filters.value(filterIndex - 1);
    const QString chosen = QFileDialog::getSaveFileName(Owner(), title, fileName, filter, &selected,
                                                        QFileDialog::DontConfirmOverwrite);
    if (chosen.isEmpty())
        return false;
    fileName = chosen;
    filterIndex = static_cast<int>(filters.indexOf(selected)) + 1;
    return true;
}
