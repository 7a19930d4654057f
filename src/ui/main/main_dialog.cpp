// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/main_dialog.h"

#include <algorithm>

#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "camera/camera_codes.h"
#include "flow/flow_cancel.h"
#include "flow/flow_timing.h"
#include "flow/setup_flow.h"
#include "flow/wizard.h"
#include "rules/dialog_opener.h"
#include "rules/no_reply_text.h"
#include "rules/open_camera_rule.h"
#include "text/string_table.h"
#include "ui/main/about_box.h"
#include "ui/main/camera_list.h"
#include "ui/prompts/progress_dialog.h"
#include "ui/setup/control_dialog.h"
#include "ui/setup/manual_setup_dialog.h"
#include "ui/setup/reset_ipsec_dialog.h"

namespace tolvane {
namespace {

constexpr int kDialogPeriodMs = 1000;
constexpr int kMacFieldLength = 12;

// "eth1 (192.168.91.10)"
QString interfaceText(const PcInterface& interface) {
    const std::uint32_t a = interface.address;
    return QStringLiteral("%1 (%2.%3.%4.%5)")
        .arg(QString::fromStdString(interface.id.name))
        .arg(a >> 24)
        .arg((a >> 16) & 0xFF)
        .arg((a >> 8) & 0xFF)
        .arg(a & 0xFF);
}

void setWhitePanel(QWidget* widget) {
    widget->setAutoFillBackground(true);
    QPalette colours = widget->palette();
    colours.setColor(QPalette::Window, Qt::white);
    colours.setColor(QPalette::WindowText, Qt::black);
    widget->setPalette(colours);
}

}  // namespace

MainDialog::MainDialog(CameraTable& cameras, std::unique_ptr<HostInfo> hostInfo,
                       SocketEndpoints endpoints, BrowserLauncher& launcher, Prompter& prompter,
                       AddressCheckerFactory makeChecker, QWidget* parent)
    : MainDialog(cameras, std::move(hostInfo), std::move(endpoints), nullptr, launcher, prompter,
                 std::move(makeChecker), parent) {}

MainDialog::MainDialog(CameraTable& cameras, std::unique_ptr<HostInfo> hostInfo,
                       SocketEndpoints endpoints, SearchInterfaces* interfaces,
                       BrowserLauncher& launcher, Prompter& prompter,
                       AddressCheckerFactory makeChecker, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      cameras_(cameras),
      hostInfo_(std::move(hostInfo)),
      interfaces_(interfaces),
      launcher_(launcher),
      prompter_(prompter),
      makeChecker_(std::move(makeChecker)),
      flowCheck_(makeChecker_()),
      pageCheck_(makeChecker_()),
      setupFlow_(std::make_unique<SetupFlow>(context_, cameras_, *this)),
      wizard_(std::make_unique<Wizard>(context_, cameras_, *this)) {
    for (TimerId id : kAllTimers) {
        QTimer* timer = new QTimer(this);
        // Coarse timers may fire up to 5% early: the 60 s wait after a set-up by MAC address
        // would open the camera's page seconds too soon, and the search would drift off 5 s.
        timer->setTimerType(Qt::PreciseTimer);
        connect(timer, &QTimer::timeout, this, [this, id] { onTimer(id); });
        timers_.at(static_cast<std::size_t>(id)) = timer;
    }
    buildControls();
    context_.macText.clear();
    setDialogRequest(DialogKind::None, true);
    initialise(std::move(endpoints));
}

MainDialog::~MainDialog() {
    for (QTimer* timer : timers_) {
        timer->stop();
    }
    // The dialogs report their end to this window, so they go while it is still whole.
    const QList<QDialog*> dialogs = findChildren<QDialog*>(Qt::FindDirectChildrenOnly);
    for (const QPointer<QDialog> dialog : dialogs) {
        delete dialog.data();
    }
}

void MainDialog::buildControls() {
    setWindowTitle(tr("Tolvane"));
    contents_ = new QWidget(this);

    cameraList_ = new CameraList(contents_);
    startupOverlay_ = new QWidget(cameraList_->viewport());
    setWhitePanel(startupOverlay_);
    startupPanel_ = new QLabel(startupOverlay_);
    startupPanel_->setWordWrap(true);
    startupPanel_->setTextFormat(Qt::PlainText);
    startupPanel_->setText(
        tr("No camera is listed yet. Please check the following:\n"
           "- The camera is powered on and connected to this computer's network.\n"
           "- Firewalls on this computer are switched off during the installation.\n"
           "If the camera is still not listed, type the MAC address printed near its LAN "
           "port and press \"Set up camera\".\n"
           "This program cannot set up a camera more than 20 minutes after its restart."));
    macLabel_ = new QLabel(tr("MAC Address"), startupOverlay_);
    setWhitePanel(macLabel_);
    macField_ = new QLineEdit(startupOverlay_);
    macField_->setMaxLength(kMacFieldLength);
    macField_->setMinimumWidth(
        macField_->fontMetrics().horizontalAdvance(QStringLiteral("0000000000000")) + 12);
    setupByMacButton_ = new QPushButton(tr("Set up camera"), startupOverlay_);
    // Enter presses it only while it has the focus: in the MAC field Enter still does nothing.
    setupByMacButton_->setAutoDefault(true);

    macInterfaceLabel_ = new QLabel(tr("Interface"), startupOverlay_);
    setWhitePanel(macInterfaceLabel_);
    macInterfaceSelector_ = new QComboBox(startupOverlay_);
    macInterfaceLabel_->setBuddy(macInterfaceSelector_);
    macInterfaceLabel_->hide();
    macInterfaceSelector_->hide();

    auto* macRow = new QHBoxLayout;
    macRow->addStretch();
    macRow->addWidget(macLabel_);
    macRow->addWidget(macField_);
    macRow->addWidget(macInterfaceLabel_);
    macRow->addWidget(macInterfaceSelector_);
    macRow->addWidget(setupByMacButton_);
    macRow->addStretch();
    auto* overlayLayout = new QVBoxLayout(startupOverlay_);
    overlayLayout->setContentsMargins(24, 12, 24, 12);
    overlayLayout->addWidget(startupPanel_, 1);
    overlayLayout->addLayout(macRow);
    auto* viewportLayout = new QVBoxLayout(cameraList_->viewport());
    viewportLayout->setContentsMargins(0, 0, 0, 0);
    viewportLayout->addWidget(startupOverlay_);

    droppedNotice_ = new QLabel(contents_);
    droppedNotice_->setWordWrap(true);
    droppedNotice_->setTextFormat(Qt::PlainText);
    droppedNotice_->hide();

    searchedInterfacesLine_ = new QLabel(contents_);
    searchedInterfacesLine_->setWordWrap(true);
    searchedInterfacesLine_->setTextFormat(Qt::PlainText);
    searchedInterfacesLine_->hide();
    noReplyNotice_ = new QLabel(contents_);
    noReplyNotice_->setWordWrap(true);
    noReplyNotice_->setTextFormat(Qt::PlainText);
    // The firewall command in it is for copying into a terminal.
    noReplyNotice_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    noReplyNotice_->hide();

    listAdvice_ = new QLabel(contents_);
    listAdvice_->setWordWrap(true);
    listAdvice_->setTextFormat(Qt::PlainText);
    listAdvice_->setFrameShape(QFrame::StyledPanel);
    listAdvice_->setMargin(6);
    listAdvice_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    listAdvice_->setText(
        tr("Choose the camera by its MAC address, then press \"Execute\".\n"
           "This program cannot set up a camera more than 20 minutes after its restart; "
           "restart the camera first.\n"
           "Install several cameras one at a time.\n"
           "If a camera's IP address overlaps another's, switch that camera off and on again "
           "so that it gets a different address."));

    viewSelector_ = new QComboBox(contents_);
    executeButton_ = new QPushButton(tr("Execute"), contents_);
    closeButton_ = new QPushButton(tr("Close"), contents_);
    auto* hiddenCancel = new QPushButton(tr("Close"), contents_);
    auto* hiddenOk = new QPushButton(tr("OK"), contents_);
    hiddenCancel->hide();
    hiddenOk->hide();
    hiddenOk->setEnabled(false);
    hiddenOk->setDefault(true);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(viewSelector_);
    buttons->addWidget(executeButton_);
    buttons->addWidget(closeButton_);
    buttons->addStretch();
    auto* lower = new QHBoxLayout;
    lower->addWidget(listAdvice_, 1);
    lower->addLayout(buttons);
    auto* layout = new QVBoxLayout(contents_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(cameraList_, 1);
    layout->addWidget(noReplyNotice_);
    layout->addWidget(droppedNotice_);
    layout->addWidget(searchedInterfacesLine_);
    layout->addLayout(lower);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(contents_);

    connect(cameraList_, &QTreeWidget::itemSelectionChanged, this,
            &MainDialog::onListSelectionChanged);
    connect(cameraList_, &CameraList::listDoubleClicked, this, &MainDialog::onListDoubleClicked);
    connect(executeButton_, &QPushButton::clicked, this, &MainDialog::onExecuteClicked);
    connect(closeButton_, &QPushButton::clicked, this, &MainDialog::reject);
    connect(hiddenCancel, &QPushButton::clicked, this, &MainDialog::reject);
    connect(hiddenOk, &QPushButton::clicked, this, &MainDialog::accept);
    connect(setupByMacButton_, &QPushButton::clicked, this, &MainDialog::onSetupByMacClicked);
    connect(viewSelector_, &QComboBox::currentIndexChanged, this, &MainDialog::onViewChanged);
    connect(macInterfaceSelector_, &QComboBox::currentIndexChanged, this,
            &MainDialog::onMacInterfaceChosen);
}

void MainDialog::initialise(SocketEndpoints endpoints) {
    viewSelector_->hide();
    context_.tickCount = 0;
    context_.flowState = FlowState{};

    std::unique_ptr<CameraSocket> socket =
        interfaces_ != nullptr
            ? std::make_unique<CameraSocket>(cameras_, std::move(endpoints),
                                             [this] { return interfaces_->list(); })
            : std::make_unique<CameraSocket>(cameras_, std::move(endpoints));
    if (socket->replyState() == ReplyState::BindFailed) {
        socket.reset();
    }
    session_ = std::make_unique<DiscoverySession>(cameras_, std::move(socket));
    session_->setSearchObserver([this] { showSearchResult(); });

    std::uint32_t address = 0;
    std::uint32_t mask = 0;
    hostInfo_->QueryAddressAndMask(address, mask);
    cameras_.hostIp = networkOrder(address);
    if (cameras_.hostIp == 0) {
        showMessage(StringId::NoPcAddress);
        // Without timers the opener never runs, so a set-up by MAC address would wait for its
        // progress dialog for ever; the button is of no use until the program is restarted.
        setupByMacButton_->setEnabled(false);
        return;
    }

    startTimer(TimerId::Poll, kTickPeriodMs);
    startTimer(TimerId::Dialog, kDialogPeriodMs);

    {
        const QSignalBlocker quiet(viewSelector_);
        viewSelector_->clear();
        viewSelector_->addItem(uiText(StringId::Ipv4Information));
        viewSelector_->addItem(uiText(StringId::Ipv6Information));
        viewSelector_->setCurrentIndex(0);
    }
    const UiLanguage language = uiLanguage();
    cameraList_->setupColumns(language);
    cameraList_->setMinimumWidth(cameraList_->fittingWidth());

    cameras_.cameraCount = 0;
    cameras_.selectedCamera = -1;
    hostInfo_->QueryHostMac(cameras_.hostMac);
    ownHostIp_ = cameras_.hostIp;
    ownHostMac_ = cameras_.hostMac;
    context_.flowState = FlowState{};
    context_.startupPanelShown = 1;
    showSearchedInterfaces();
}

// ---- timers ----

void MainDialog::onTimer(TimerId id) {
    if (session_->busy()) {
        return;
    }
    switch (id) {
        case TimerId::Poll:
            poll();
            break;
        case TimerId::Dialog:
            openRequestedDialog();
            break;
        case TimerId::SetupFlow:
            setupFlow_->stepSetupFlow();
            break;
        case TimerId::Wizard:
            wizard_->stepWizard();
            break;
    }
}

void MainDialog::poll() {
    const bool searching = context_.tickCount % DiscoverySession::kSearchEveryTicks == 1;
    session_->tick(context_.tickCount);
    showNoReplyDiagnosis(searching);
}

void MainDialog::showSearchResult() {
    showSearchedInterfaces();
    if (cameras_.cameraCount > 0) {
        if (context_.startupPanelShown == 1) {
            hideStartupPanel();
        }
        cameraList_->clear();
    }
    for (int index = 0; index < cameras_.cameraCount; ++index) {
        cameraList_->refreshRow(cameras_, index);
    }
    if (cameras_.selectedCamera != -1) {
        cameraList_->selectRow(cameras_.selectedCamera);
    }
    showDroppedCount();
    context_.macText = macField_->text();
    useFlowInterface();
}

// The column, the line and the selector appear only while two or more interfaces are searched;
// the selector keeps the interface chosen as long as it is searched.
void MainDialog::showSearchedInterfaces() {
    searched_ = session_->separateInterfaces();
    const bool several = searched_.size() >= 2;
    cameraList_->showInterfaceColumn(several);
    // The window grows with the column rather than the list getting a horizontal scroll bar.
    cameraList_->setMinimumWidth(cameraList_->fittingWidth());
    searchedInterfacesLine_->setVisible(several);
    const bool byMac = several && context_.startupPanelShown == 1;
    macInterfaceLabel_->setVisible(byMac);
    macInterfaceSelector_->setVisible(byMac);
    if (!several) {
        return;
    }
    QStringList names;
    for (const PcInterface& interface : searched_) {
        names << interfaceText(interface);
    }
    searchedInterfacesLine_->setText(tr("Searching for cameras on: %1").arg(names.join(", ")));

    const auto chosen = std::find_if(searched_.begin(), searched_.end(),
                                     [this](const auto& i) { return i.id == macInterface_; });
    const int current =
        chosen == searched_.end() ? 0 : static_cast<int>(chosen - searched_.begin());
    macInterface_ = searched_[static_cast<std::size_t>(current)].id;
    const QSignalBlocker quiet(macInterfaceSelector_);
    macInterfaceSelector_->clear();
    for (const PcInterface& interface : searched_) {
        macInterfaceSelector_->addItem(interfaceText(interface));
    }
    macInterfaceSelector_->setCurrentIndex(current);
}

void MainDialog::onMacInterfaceChosen(int index) {
    if (index >= 0 && index < static_cast<int>(searched_.size())) {
        macInterface_ = searched_[static_cast<std::size_t>(index)].id;
    }
}

const PcInterface* MainDialog::flowInterface() const {
    if (searched_.size() < 2) {
        return nullptr;
    }
    NetworkInterfaceId id;
    if (context_.setupByMac) {
        id = cameras_.targetInterface;
    } else if (const CameraRecord* camera = cameras_.selectedRecord()) {
        id = camera->networkInterface;
    }
    const auto found = std::find_if(searched_.begin(), searched_.end(),
                                    [&id](const PcInterface& i) { return i.id == id; });
    return found == searched_.end() ? nullptr : &*found;
}

void MainDialog::useFlowInterface() {
    const PcInterface* interface = flowInterface();
    cameras_.hostIp = interface ? networkOrder(interface->address) : ownHostIp_;
    cameras_.hostMac = interface ? interface->mac : ownHostMac_;
}

HostInfo& MainDialog::hostInfo() {
    const PcInterface* interface = flowInterface();
    if (interface == nullptr || interfaces_ == nullptr) {
        return *hostInfo_;
    }
    std::unique_ptr<HostInfo>& info =
        interfaceHostInfo_[std::make_pair(interface->id.name, interface->id.index)];
    if (!info) {
        info = interfaces_->hostInfoFor(interface->id);
    }
    return *info;
}

// The set-up goes out the interface chosen beside the MAC field.
void MainDialog::onSetupByMacClicked() {
    cameras_.targetInterface = searched_.size() >= 2 ? macInterface_ : NetworkInterfaceId{};
    context_.setupByMac = true;
    useFlowInterface();
    setupFlow_->setupByMacClicked();
}

// The facts are read again at every search while the line shows, so that it follows what the
// user changes; a reply hides it at the next tick.
void MainDialog::showNoReplyDiagnosis(bool searched) {
    const bool flowRunning = timerActive(TimerId::SetupFlow) || timerActive(TimerId::Wizard);
    const bool due = session_->noReplyDiagnosisDue() && !flowRunning;
    if (due && (searched || noReplyNotice_->isHidden())) {
        noReplyNotice_->setText(noReplyText(hostInfo_->DiagnoseNoReply()));
    }
    noReplyNotice_->setVisible(due);
}

void MainDialog::showDroppedCount() {
    const int dropped = cameras_.droppedCount();
    if (dropped > 0) {
        droppedNotice_->setText(uiText(StringId::CamerasNotListed).arg(dropped));
    }
    droppedNotice_->setVisible(dropped > 0);
}

void MainDialog::hideStartupPanel() {
    startupPanel_->hide();
    macLabel_->hide();
    macField_->hide();
    macInterfaceLabel_->hide();
    macInterfaceSelector_->hide();
    setupByMacButton_->hide();
    setupByMacButton_->setEnabled(false);
    startupOverlay_->hide();
    context_.startupPanelShown = 0;
}

QTimer* MainDialog::timer(TimerId id) const {
    return timers_.at(static_cast<std::size_t>(id));
}

bool MainDialog::timerActive(TimerId id) const {
    return timer(id)->isActive();
}

int MainDialog::timerInterval(TimerId id) const {
    return timerActive(id) ? timer(id)->interval() : 0;
}

Qt::TimerType MainDialog::timerType(TimerId id) const {
    return timer(id)->timerType();
}

// ---- list and buttons ----

void MainDialog::onListSelectionChanged() {
    const int row = cameraList_->firstSelectedRow();
    if (row >= 0) {
        cameras_.selectedCamera = row;
    }
    useFlowInterface();
}

void MainDialog::onListDoubleClicked() {
    context_.setupByMac = 0;
    useFlowInterface();
    openSelectedCamera();
}

void MainDialog::onExecuteClicked() {
    cameraList_->setFocus();
    // A camera picked in the list is set up as itself: left set, the flag from an earlier set-up
    // by MAC address would send the wizard's settings to the typed MAC instead.
    context_.setupByMac = 0;
    useFlowInterface();
    openSelectedCamera();
}

void MainDialog::onViewChanged() {
    const ListView view = viewSelector_->currentIndex() == 0 ? ListView::IPv4 : ListView::IPv6;
    cameraList_->switchView(view, uiLanguage());
}

bool MainDialog::openSelectedCamera() {
    const OpenCameraDecision decision = decideOpenSelectedCamera(cameras_);
    for (StringId stringId : decision.messageStringIds) {
        showMessage(stringId);
    }
    if (decision.requestControlDialog) {
        setDialogRequest(DialogKind::Control, true);
    }
    return decision.requestControlDialog;
}

void MainDialog::showMessage(StringId stringId) {
    prompter_.messageBox(this, uiText(stringId), MessageIcon::Exclamation);
}

void MainDialog::showAboutBox() {
    AboutBox about(this);
    about.exec();
}

void MainDialog::contextMenuEvent(QContextMenuEvent* event) {
    const QString aboutText = uiText(StringId::AboutThisProgram);
    if (aboutText.isEmpty()) {
        QDialog::contextMenuEvent(event);
        return;
    }
    QMenu menu(this);
    menu.addAction(aboutText, this, &MainDialog::showAboutBox);
    menu.exec(event->globalPos());
}

void MainDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        showAboutBox();
        return;
    }
    QDialog::keyPressEvent(event);
}

void MainDialog::done(int result) {
    for (QTimer* timer : timers_) {
        timer->stop();
    }
    // A check may take seconds more; its worker ends unobserved.
    flowCheck_->abandon();
    pageCheck_->abandon();
    session_->close();
    QDialog::done(result);
}

void MainDialog::reject() {
    if (inputEnabled()) {
        QDialog::reject();
    }
}

bool MainDialog::flowRunning() const {
    return timerActive(TimerId::SetupFlow) || timerActive(TimerId::Wizard) ||
           context_.addressCheck.state == AddressCheckState::Running;
}

// The user who closes the window during a set-up wants out, even where the flow would wait for a
// camera or a check without end: the flow is cancelled as by the progress dialog's Cancel.
void MainDialog::closeEvent(QCloseEvent* event) {
    if (!flowRunning()) {
        QDialog::closeEvent(event);
        return;
    }
    onProgressCancel(context_, *this);
    done(QDialog::Rejected);
    event->accept();
}

// ---- dialog opener ----

void MainDialog::setDialogRequest(DialogKind kind, bool showCancel) {
    DialogOpener::setDialogRequest(context_, kind, showCancel);
}

bool MainDialog::canOpenDialog() const {
    return controlDialog_ == nullptr && progressDialog_ == nullptr &&
           manualSetupDialog_ == nullptr && resetIpsecDialog_ == nullptr;
}

void MainDialog::openRequestedDialog() {
    const std::optional<DialogKind> request =
        DialogOpener::requestToServe(context_, canOpenDialog());
    if (!request) {
        return;
    }
    switch (*request) {
        case DialogKind::Control:
            controlDialog_ = new ControlDialog(*this);
            showModelessDialog(controlDialog_);
            break;
        case DialogKind::Progress:
            stopTimer(TimerId::Dialog);
            progressDialog_ = new ProgressDialog(*this);
            progressDialog_->setCancelVisible(context_.progressShowsCancel);
            startTimer(TimerId::Dialog, kDialogPeriodMs);
            break;
        case DialogKind::ManualSetup:
            manualSetupDialog_ = new ManualSetupDialog(*this);
            showModelessDialog(manualSetupDialog_);
            break;
        case DialogKind::ResetIpsec:
            resetIpsecDialog_ = new ResetIpsecDialog(*this);
            showModelessDialog(resetIpsecDialog_);
            break;
        case DialogKind::None:
            break;
    }
    setDialogRequest(DialogKind::None, false);
}

void MainDialog::requestManualSetupDialog() {
    setDialogRequest(DialogKind::ManualSetup, true);
}

void MainDialog::requestResetIpsecDialog() {
    setDialogRequest(DialogKind::ResetIpsec, true);
}

void MainDialog::showModelessDialog(QDialog* dialog) {
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = dialog->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        dialog->move(frame.topLeft());
    }
    dialog->show();
    contents_->setEnabled(false);
}

void MainDialog::dialogDestroyed(QDialog* dialog) {
    if (dialog == controlDialog_) {
        controlDialog_ = nullptr;
    }
    if (dialog == progressDialog_) {
        progressDialog_ = nullptr;
    }
    if (dialog == manualSetupDialog_) {
        manualSetupDialog_ = nullptr;
    }
    if (dialog == resetIpsecDialog_) {
        resetIpsecDialog_ = nullptr;
    }
    // Input comes back only when no other dialog is due: a click in the moment between this
    // dialog closing and the opener showing the requested one would replace that request, and
    // the flow that filed it would wait for a dialog that never opens.
    if (canOpenDialog() && context_.dialogRequest == DialogKind::None) {
        contents_->setEnabled(true);
    }
}

bool MainDialog::inputEnabled() const {
    return contents_->isEnabled();
}

// ---- DialogHost ----

UiLanguage MainDialog::uiLanguage() const {
    return ::tolvane::uiLanguage();
}

}  // namespace tolvane
