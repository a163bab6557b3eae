#pragma once
// The application object. An error that escapes the handling of an event
// (an input/output or conversion error of a user action) is shown by the
// general error report instead of ending the program.

#include <QApplication>

namespace kv {

class TKvApplication : public QApplication {
    Q_OBJECT
  public:
    TKvApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace kv
