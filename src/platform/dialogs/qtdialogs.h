// The dialogs as Qt shows them: QMessageBox, QPrintDialog and QFileDialog.
#pragma once

#include "platform/dialogs/dialogs.h"

namespace velmora {

class QtDialogs final : public Dialogs {
  public:
    void showMessage(QWidget* parent, const QString& caption, const QString& text,
                     MessageIcon icon) override;
    bool setUpPrinter(QWidget* parent, QPrinter& printer) override;
    std::optional<QString> chooseFileToOpen(QWidget* parent,
                                            const FileDialogRequest& request) override;
    std::optional<QString> chooseFileToSave(QWidget* parent,
                                            const FileDialogRequest& request) override;
};

} // namespace velmora
