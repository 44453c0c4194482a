// Dialogs answered from a script: each test queues the dialogs it expects, in order, with
// their answers; a dialog nobody expected, or one expected and never shown, fails the test.
#pragma once

#include "platform/dialogs/dialogs.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace velmora {

class ScriptedDialogs final : public Dialogs {
  public:
    struct Message {
        QString caption;
        QString text;
        MessageIcon icon = MessageIcon::None;
        bool hasOwner = false;
    };

    ~ScriptedDialogs() override;

    // A message box with exactly this caption, text and icon.
    void expectMessage(const QString& caption, const QString& text, MessageIcon icon);
    // The printer setup; `answer` may change the printer and returns true to confirm.
    void expectPrinterSetup(std::function<bool(QPrinter&)> answer);
    // A file dialog answered with a path, or cancelled with none.
    void expectFileToOpen(std::optional<QString> answer);
    void expectFileToSave(std::optional<QString> answer);

    // Fails the test for every expected dialog that has not been shown, and forgets them.
    void verifyAllShown();

    const std::vector<Message>& messagesShown() const { return messages_; }
    const std::vector<FileDialogRequest>& fileRequests() const { return fileRequests_; }
    int printerSetupsShown() const { return printerSetups_; }

    void showMessage(QWidget* parent, const QString& caption, const QString& text,
                     MessageIcon icon) override;
    bool setUpPrinter(QWidget* parent, QPrinter& printer) override;
    std::optional<QString> chooseFileToOpen(QWidget* parent,
                                            const FileDialogRequest& request) override;
    std::optional<QString> chooseFileToSave(QWidget* parent,
                                            const FileDialogRequest& request) override;

  private:
    enum class Kind { Message, PrinterSetup, OpenFile, SaveFile };
    struct Expected {
        Kind kind;
        Message message;
        std::function<bool(QPrinter&)> printerAnswer;
        std::optional<QString> fileAnswer;
    };

    // The next expected dialog if it is of this kind; otherwise fails the test.
    std::optional<Expected> take(Kind kind, const std::string& shown);
    static std::string describe(const Expected& expected);

    std::deque<Expected> script_;
    std::vector<Message> messages_;
    std::vector<FileDialogRequest> fileRequests_;
    int printerSetups_ = 0;
};

} // namespace velmora
