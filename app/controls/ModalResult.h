#pragma once

// Results of the program's modal dialogs: OK is 1 (QDialog::Accepted); cancel, including the
// title bar's close button and Escape, is 2.
enum ModalResult : int
{
    mrOk = 1,
    mrCancel = 2,
};
