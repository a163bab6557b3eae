#pragma once
// A main window over a settings store in a temporary folder, with message
// boxes recorded instead of shown.

#include "QtPrinters.h"
#include "storage/settings/SettingsStore.h"
#include "ui/common/MessageSeam.h"
#include "ui/mainwindow/DefinitionForm.h"
#include "ui/mainwindow/src/EditorPage.h"
#include "ui/mainwindow/src/FrequencyPanel.h"

#include <QAction>
#include <QApplication>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace kv::test {

struct MainWindowFixture : ::testing::Test {
    QTemporaryDir dir;
    TRecordedMessages messages;
    TDealEngine engine;
    std::unique_ptr<TSettingsStore> store;
    std::unique_ptr<TDefinitionForm> form;

    QString StorePath() const { return dir.filePath(QStringLiteral("settings.ini")); }

    void OpenStore() { store = TSettingsStore::OpenFile(StorePath()); }

    void CreateForm(TDefinitionLinks links = {}) {
        if (!store) OpenStore();
        form = std::make_unique<TDefinitionForm>(engine, *store, std::move(links));
    }
    // Destroys the window (which writes the options) and closes the store.
    void CloseForm() {
        form.reset();
        store.reset();
    }

    QAction* Action(const char* name) const {
        return form->findChild<QAction*>(QString::fromLatin1(name));
    }
    void Trigger(const char* name) const { Action(name)->trigger(); }
    QTabBar* Tabs() const { return form->Tabs(); }
    // A tab change as the user makes it.
    void ClickTab(int index) const { Tabs()->setCurrentIndex(index); }
    TFrequencyPanel* Freq() const { return form->FrequencyPanel(); }
    std::vector<QString> TabCaptions() const {
        std::vector<QString> captions;
        for (int i = 0; i < Tabs()->count(); ++i)
            captions.push_back(Tabs()->tabText(i));
        return captions;
    }
    // Runs `act` on the modal dialog that the next call opens.
    static void WhenModal(std::function<void(QWidget*)> act) {
        QTimer::singleShot(0, [act] {
            QWidget* modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr);
            act(modal);
        });
    }
};

} // namespace kv::test
