#pragma once
// What reading, saving and copying parameter sets need from the main window.

#include "params/HandParam.h"
#include "ui/common/HelpContext.h"

#include <exception>
#include <vector>

class QWidget;

namespace kv {

class IParamSetHost {
  public:
    virtual ~IParamSetHost() = default;

    // The main window: the parent of every dialog and message box.
    virtual QWidget* Window() = 0;
    // The hand types, one per tab, in tab order.
    virtual const std::vector<THandParam>& Types() const = 0;
    // Validates the editor and copies it into the selected tab's type; false,
    // after the window's own message, when the editor holds impossible values.
    virtual bool StoreType() = 0;
    // A parameter set was read: reset the editor to its defaults without writing
    // its frequency into any type, replace every type by types (never empty),
    // and fit the tabs to them (first tab selected and shown, total refreshed).
    virtual void ShowReadTypes(std::vector<THandParam> types) = 0;
    // The general error report, for an input/output or conversion error that
    // abandoned an action started inside one of the dialogs.
    virtual void ReportError(const std::exception& error) = 0;
    // Opens the help at a context number.
    virtual void ShowHelp(int context) = 0;
};

// The help context of the parameter-set dialogs' controls.
inline constexpr int kParamSetsHelpContext = help::ParameterSets;

// Gives a control its help context: the widget property the help system reads
// when F1 is released over the focused control.
void SetParamSetsHelp(QWidget* widget);

} // namespace kv
