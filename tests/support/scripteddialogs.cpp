#include "scripteddialogs.h"

#include <gtest/gtest.h>

namespace velmora {

namespace {

std::string iconName(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return "information";
    case MessageIcon::Error:
        return "error";
    case MessageIcon::None:
        break;
    }
    return "no icon";
}

std::string describeMessage(const ScriptedDialogs::Message& m) {
    return "message box '" + m.caption.toStdString() + "': \"" + m.text.toStdString() + "\" (" +
           iconName(m.icon) + ")";
}

} // namespace

ScriptedDialogs::~ScriptedDialogs() {
    verifyAllShown();
}

void ScriptedDialogs::expectMessage(const QString& caption, const QString& text, MessageIcon icon) {
    script_.push_back(Expected{Kind::Message, Message{caption, text, icon}, {}, {}});
}

void ScriptedDialogs::expectPrinterSetup(std::function<bool(QPrinter&)> answer) {
    script_.push_back(Expected{Kind::PrinterSetup, {}, std::move(answer), {}});
}

void ScriptedDialogs::expectFileToOpen(std::optional<QString> answer) {
    script_.push_back(Expected{Kind::OpenFile, {}, {}, std::move(answer)});
}

void ScriptedDialogs::expectFileToSave(std::optional<QString> answer) {
    script_.push_back(Expected{Kind::SaveFile, {}, {}, std::move(answer)});
}

void ScriptedDialogs::verifyAllShown() {
    for (const Expected& expected : script_)
        ADD_FAILURE() << "expected but never shown: " << describe(expected);
    script_.clear();
}

std::string ScriptedDialogs::describe(const Expected& expected) {
    switch (expected.kind) {
    case Kind::Message:
        return describeMessage(expected.message);
    case Kind::PrinterSetup:
        return "the printer setup";
    case Kind::OpenFile:
        return "the open dialog";
    case Kind::SaveFile:
        return "the save dialog";
    }
    return {};
}

std::optional<ScriptedDialogs::Expected> ScriptedDialogs::take(Kind kind,
                                                               const std::string& shown) {
    if (script_.empty() || script_.front().kind != kind) {
        ADD_FAILURE() << "unexpected dialog: " << shown
                      << (script_.empty() ? std::string(" (none expected)")
                                          : "; expected " + describe(script_.front()));
        return std::nullopt;
    }
    Expected expected = std::move(script_.front());
    script_.pop_front();
    return expected;
}

void ScriptedDialogs::showMessage(QWidget* parent, const QString& caption, const QString& text,
                                  MessageIcon icon) {
    const Message shown{caption, text, icon, parent != nullptr};
    messages_.push_back(shown);
    const std::optional<Expected> expected = take(Kind::Message, describeMessage(shown));
    if (!expected)
        return;
    EXPECT_EQ(caption.toStdString(), expected->message.caption.toStdString());
    EXPECT_EQ(text.toStdString(), expected->message.text.toStdString());
    EXPECT_EQ(iconName(icon), iconName(expected->message.icon));
}

bool ScriptedDialogs::setUpPrinter(QWidget*, QPrinter& printer) {
    ++printerSetups_;
    const std::optional<Expected> expected = take(Kind::PrinterSetup, "the printer setup");
    return expected && expected->printerAnswer(printer);
}

std::optional<QString> ScriptedDialogs::chooseFileToOpen(QWidget*,
                                                         const FileDialogRequest& request) {
    fileRequests_.push_back(request);
    const std::optional<Expected> expected = take(Kind::OpenFile, "the open dialog");
    return expected ? expected->fileAnswer : std::nullopt;
}

std::optional<QString> ScriptedDialogs::chooseFileToSave(QWidget*,
                                                         const FileDialogRequest& request) {
    fileRequests_.push_back(request);
    const std::optional<Expected> expected = take(Kind::SaveFile, "the save dialog");
    return expected ? expected->fileAnswer : std::nullopt;
}

} // namespace velmora
