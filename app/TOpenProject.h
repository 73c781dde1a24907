#pragma once
#include <QDialog>
#include <memory>

class CDbConnection;
class QComboBox;
class QPushButton;
class TProjectInfoFields;

// The dialog "打开工程": the recent projects of the system database, the parameters of the
// selected one, and a browse button. It opens no project itself: after mrOk ComboBox1's text is
// the file to open. The preview reads only the parameter row of the selected file, through a
// connection of its own, and leaves the program's state alone (the open project's operating
// schemes, coordinate mode and output settings are not touched).
class TOpenProject : public QDialog
{
    Q_OBJECT
public:
    explicit TOpenProject(QWidget* owner = nullptr);
    ~TOpenProject() override;

    // The "..." button: chooses a project file and puts it second in the list, selected.
    void Button1Click();
    // Shows the parameters of the file named in ComboBox1; nothing when it is empty.
    void ShowSelectedProject();
    // Refuses OK while no file is chosen; writes the recent list back on every close.
    void done(int result) override;
    void reject() override;

    QComboBox* ComboBox1;
    QPushButton* FlatButton1; // ...
    TProjectInfoFields* Fields;
    QPushButton* FlatButton2; // 确定
    QPushButton* FlatButton3; // 取消

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FillRecentList();
    void SaveRecentList();

    std::unique_ptr<CDbConnection> m_connection;
    bool m_filled = false;
};
