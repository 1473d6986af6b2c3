#pragma once
// The production dialog service: real Qt dialogs.

#include "platform/dialogs/Dialogs.h"

namespace drav::dlg {

class QtDialogService final : public DialogService {
public:
    int message(const Message &m) override;
    std::optional<QString> inputText(const QString &title, const QString &prompt,
                                     const QString &initial) override;
    QString fileName(const FileRequest &request) override;
    int execModal(QDialog *dialog) override;
    void runModal(const QString &what, const std::function<void()> &show) override;
};

} // namespace drav::dlg
