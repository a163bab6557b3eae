#include "SeamWarnings.h"

#include "ui/common/MessageSeam.h"
#include "ui/paramsets/ParamSetHost.h"
#include "ui/paramsets/ParamSetMessages.h"

#include <QVariant>
#include <QWidget>

namespace kv {

void TSeamWarnings::ShowWarning(const std::string& text) {
    ShowSetWarning(parent_, QString::fromStdString(text));
}

void ShowSetWarning(QWidget* parent, const QString& text) {
    TMessageSeam::Show(parent, TMessageKind::Warning, setmsg::kWarningTitle, text);
}

void SetParamSetsHelp(QWidget* widget) {
    SetHelpContext(widget, kParamSetsHelpContext);
}

} // namespace kv
