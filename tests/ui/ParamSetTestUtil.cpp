#include "ParamSetTestUtil.h"

#include "params/TypeValidation.h"
#include "ui/paramsets/ReadFromFileForm.h"
#include "ui/paramsets/src/SavedParametersNameDlg.h"
#include "ui/paramsets/src/SetListBox.h"

#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <fstream>
#include <iterator>

namespace kv::test {

TBytes RecordOf(const TBytes& file, std::size_t recordNumber) {
    const auto at = file.begin() + static_cast<std::ptrdiff_t>(recordNumber * kRecordSize);
    return TBytes(at, at + static_cast<std::ptrdiff_t>(kRecordSize));
}

TSetRecord AsRecord(const TBytes& bytes) {
    TSetRecord record{};
    std::copy_n(bytes.begin(), std::min(bytes.size(), record.size()), record.begin());
    return record;
}

THandParam TypeWith(int frequency, int hcpMin) {
    THandParam type;
    type.Frequency = frequency;
    type.SHCPMin = static_cast<std::uint8_t>(hcpMin);
    type.SHCPMinReq = static_cast<std::int8_t>(hcpMin);
    return type;
}

TSetRecord SetOf(const std::string& name, const std::vector<THandParam>& types) {
    return NewSetRecord(name, types);
}

void TypeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}

// ---- the main window stand-in

TFakeMainWindow::TFakeMainWindow() : tabs_(new QTabBar(&window_)) {
    SetTypes({THandParam{}});
}

bool TFakeMainWindow::StoreType() {
    std::optional<std::string> failure;
    if (RefuseStore)
        failure = "The minimum HCP in the two hands exceeds 40.";
    else
        failure = Editor.StoreType(types_.at(static_cast<std::size_t>(selected_)));
    if (!failure) return true;
    TMessageSeam::Show(&window_, TMessageKind::Warning, QStringLiteral("Warning"),
                       QString::fromStdString(ImpossibleText(*failure)));
    return false;
}

// As the main window does it: the editor reset, the types replaced, the tabs
// fitted, the first type shown.
void TFakeMainWindow::ShowReadTypes(std::vector<THandParam> types) {
    ++Reads;
    Editor.ResetEditor();
    SetTypes(std::move(types));
}

void TFakeMainWindow::SetTypes(std::vector<THandParam> types, int selected) {
    types_ = std::move(types);
    while (tabs_->count() < static_cast<int>(types_.size()))
        tabs_->addTab(QString());
    while (tabs_->count() > static_cast<int>(types_.size()))
        tabs_->removeTab(tabs_->count() - 1);
    for (int i = 0; i < tabs_->count(); ++i)
        tabs_->setTabText(i, QStringLiteral("Type &%1").arg(i + 1));
    selected_ = selected;
    tabs_->setCurrentIndex(selected_);
    Editor.LoadType(types_.at(static_cast<std::size_t>(selected_)));
}

QStringList TFakeMainWindow::TabCaptions() const {
    QStringList captions;
    for (int i = 0; i < tabs_->count(); ++i)
        captions << tabs_->tabText(i);
    return captions;
}

QString TFakeMainWindow::Total() const {
    int total = 0;
    for (const THandParam& type : types_)
        total += type.Frequency;
    return QStringLiteral("of %1").arg(total);
}

// ---- the modal-dialog driver

namespace {
constexpr int kPollMs = 10;
constexpr int kStuckTicks = 500; // five seconds
} // namespace

TModalDriver::TModalDriver() : alive_(std::make_shared<bool>(true)) {
    QTimer::singleShot(kPollMs, [this, alive = alive_] {
        if (*alive) Poll();
    });
}

TModalDriver::~TModalDriver() {
    *alive_ = false;
}

bool TModalDriver::Handled(const QWidget* w) const {
    for (const QPointer<QWidget>& h : handled_)
        if (h == w) return true;
    return false;
}

// Each poll is a new single-shot timer, scheduled before any action runs, so
// that a dialog opened from inside an action is reached in its nested loop.
void TModalDriver::Poll() {
    QTimer::singleShot(kPollMs, [this, alive = alive_] {
        if (*alive) Poll();
    });
    auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (modal == nullptr || !modal->isVisible()) return;
    if (Handled(modal)) {
        if (++ticksWithHandledDialog_ < kStuckTicks) return;
        problems_ << QStringLiteral("still open: ") + modal->objectName();
        modal->done(QDialog::Rejected);
        return;
    }
    ticksWithHandledDialog_ = 0;
    handled_.emplace_back(modal);
    const auto step = std::find_if(queue_.begin(), queue_.end(),
                                   [modal](const TStep& s) { return s.Matches(modal); });
    if (step == queue_.end()) {
        problems_ << QStringLiteral("unexpected: ") + modal->objectName();
        modal->done(QDialog::Rejected);
        return;
    }
    const TStep taken = std::move(*step);
    queue_.erase(step);
    taken.Act(modal);
}

// ---- the fixture

TParamSetTest::TParamSetTest() : previous_(std::filesystem::current_path()) {
    std::string pattern = (std::filesystem::temp_directory_path() / "kv-paramsets-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    folder_ = pattern;
    std::filesystem::current_path(folder_);
    store = TSettingsStore::OpenFile(QPathOf("settings.ini"));
}

TParamSetTest::~TParamSetTest() {
    sets.reset();
    std::filesystem::current_path(previous_);
    std::error_code ec;
    std::filesystem::permissions(folder_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(folder_, ec);
    EXPECT_TRUE(driver.Problems().isEmpty())
        << driver.Problems().join(QStringLiteral("; ")).toStdString();
    EXPECT_TRUE(driver.AllDone()) << "a dialog the test expected never appeared";
}

void TParamSetTest::Start() {
    sets = std::make_unique<TParamSetActions>(host, *store);
    sets->ListDatabase();
}

void TParamSetTest::Save(const QString& name) {
    driver.Then<TSavedParametersNameDlg>([name](TSavedParametersNameDlg& dlg) {
        TypeText(dlg.NameEdit(), name);
        QTest::mouseClick(dlg.findChild<QPushButton*>(QStringLiteral("OKBtn")), Qt::LeftButton);
    });
    sets->SaveCurrentParameters();
}

void TParamSetTest::Read(const QString& name, bool doubleClick) {
    driver.Then<TReadFromFileForm>([name, doubleClick](TReadFromFileForm& form) {
        TSetListBox& list = form.SetNameList();
        const QList<QListWidgetItem*> found = list.findItems(name, Qt::MatchExactly);
        ASSERT_FALSE(found.isEmpty()) << name.toStdString();
        const QRect at = list.visualItemRect(found.front());
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at.center());
        if (doubleClick)
            return QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at.center());
        QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("ReadBtn")), Qt::LeftButton);
    });
    sets->ReadSavedParameters();
}

std::vector<TSetEntry> TParamSetTest::Listed() const {
    return sets->ReadFromFileForm()->SetNameList().Entries();
}

QStringList TParamSetTest::Messages() const {
    QStringList texts;
    for (const TShownMessage& m : messages.Shown())
        texts << m.Text;
    return texts;
}

void TParamSetTest::WriteParamsFile(const std::string& name,
                                    const std::vector<TSetRecord>& records) const {
    const TSetRecord header = HeaderRecord();
    TBytes bytes(header.begin(), header.end());
    for (const TSetRecord& r : records)
        bytes.insert(bytes.end(), r.begin(), r.end());
    WriteBytes(folder_ / name, bytes);
}

} // namespace kv::test
