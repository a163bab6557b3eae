#pragma once
// The main window as the parameter-set dialogs see it.

#include "ui/mainwindow/DefinitionForm.h"
#include "ui/paramsets/ParamSetHost.h"

namespace kv {

class TMainWindowSetHost : public IParamSetHost {
  public:
    explicit TMainWindowSetHost(TDefinitionForm& form) : form_(form) {}

    QWidget* Window() override { return &form_; }
    const std::vector<THandParam>& Types() const override { return form_.TypeList(); }
    bool StoreType() override { return form_.StoreType(); }
    // The editor is reset first: the form writes the reset frequency into the
    // selected type, which the new list then replaces.
    void ShowReadTypes(std::vector<THandParam> types) override;
    void ReportError(const std::exception& error) override;
    void ShowHelp(int context) override;

  private:
    TDefinitionForm& form_;
};

} // namespace kv
