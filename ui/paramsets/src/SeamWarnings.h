#pragma once
// The warnings of the parameter-file operations, shown through the message seam
// as "Warning" boxes with a single OK button.

#include "storage/paramsfile/WarningSink.h"

#include <QString>

class QWidget;

namespace kv {

class TSeamWarnings : public IWarningSink {
  public:
    explicit TSeamWarnings(QWidget* parent) : parent_(parent) {}
    void ShowWarning(const std::string& text) override;

  private:
    QWidget* parent_;
};

// A warning box through the seam.
void ShowSetWarning(QWidget* parent, const QString& text);

} // namespace kv
