// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <QDialog>

#include "camera/camera_table.h"
#include "flow/browser_launcher.h"
#include "flow/discovery_session.h"
#include "flow/flow_context.h"
#include "flow/flow_host.h"
#include "hostnet/address_checker.h"
#include "hostnet/host_info.h"
#include "hostnet/search_interfaces.h"
#include "protocol/camera_socket.h"
#include "ui/main/dialog_host.h"
#include "ui/main/prompter.h"

class QCloseEvent;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace tolvane {

class CameraList;
class ControlDialog;
class ManualSetupDialog;
class ProgressDialog;
class ResetIpsecDialog;
class SetupFlow;
class Wizard;

// The program's only top-level window: the camera list, the start-up panel with the set-up by
// MAC address, and the four timers that drive the discovery session (0), the dialog opener (1),
// the set-up flow (2) and the wizard (3). Owns the discovery session with its camera socket and
// the modeless dialogs; run modally by the application. Its FlowHost side, what the flows drive, is
// in main_dialog_flow_host.cpp; its DialogHost side is what the dialogs it opens use of it.
//
// Given the PC's interfaces, it searches each of them (see CameraSocket). While two or more are
// searched, the list shows each camera's interface, a line names the interfaces searched, a
// selector beside the MAC field picks the interface of a set-up by MAC address, and the host
// settings and PC fields that the flows use are those of the flow's camera's interface.
// Address checks run on checkers that `makeChecker` makes: one for the flows, one for the
// web-page launch.
class MainDialog final : public QDialog, public FlowHost, public DialogHost {
    Q_OBJECT
public:
    MainDialog(CameraTable& cameras, std::unique_ptr<HostInfo> hostInfo, SocketEndpoints endpoints,
               BrowserLauncher& launcher, Prompter& prompter, AddressCheckerFactory makeChecker,
               QWidget* parent = nullptr);
    // `interfaces` may be null: one socket as the endpoints say, as above.
    MainDialog(CameraTable& cameras, std::unique_ptr<HostInfo> hostInfo, SocketEndpoints endpoints,
               SearchInterfaces* interfaces, BrowserLauncher& launcher, Prompter& prompter,
               AddressCheckerFactory makeChecker, QWidget* parent = nullptr);
    ~MainDialog() override;

    // DialogHost
    QWidget* dialogParent() override { return this; }
    CameraTable& cameras() override { return cameras_; }
    FlowContext& context() override { return context_; }
    SetupFlow& setupFlow() override { return *setupFlow_; }
    FlowHost& flowHost() override { return *this; }
    BrowserLauncher& launcher() override { return launcher_; }
    Prompter& prompter() override { return prompter_; }
    // The settings of the flow's camera's interface while several are searched.
    HostInfo& hostInfo() override;
    std::unique_ptr<AddressChecker> makeAddressChecker() override { return makeChecker_(); }
    AddressChecker& pageLaunchCheck() override { return *pageCheck_; }
    UiLanguage uiLanguage() const override;
    ProgressDialog* progressDialog() const override { return progressDialog_; }
    // Shows a modeless dialog owned by this window, centred on the screen, and disables the
    // window while it exists. The dialog deletes itself when closed.
    void showModelessDialog(QDialog* dialog) override;
    // Clears whichever pointer holds the dialog and enables the window again once no modeless
    // dialog is left.
    void dialogDestroyed(QDialog* dialog) override;
    void requestManualSetupDialog() override;
    void requestResetIpsecDialog() override;

    CameraSocket* cameraSocket() { return session_->socket(); }

    // The dialog opener. At most one of the four modeless dialogs exists at a time.
    void setDialogRequest(DialogKind kind, bool showCancel) override;
    bool canOpenDialog() const;
    void openRequestedDialog();

    ControlDialog* controlDialog() const { return controlDialog_; }
    ManualSetupDialog* manualSetupDialog() const { return manualSetupDialog_; }
    ResetIpsecDialog* resetIpsecDialog() const { return resetIpsecDialog_; }
    // False while a modeless dialog disables the window.
    bool inputEnabled() const;

    // One tick of timer `id`; the QTimers call it, tests call it directly.
    void onTimer(TimerId id);
    // Files the control-dialog request for the selected camera, after the warnings it needs;
    // false (with a message) when no camera or an off-line one is selected.
    bool openSelectedCamera();
    void showAboutBox();

    // Controls, for the tests and the screenshot tool.
    CameraList* cameraList() const { return cameraList_; }
    QComboBox* viewSelector() const { return viewSelector_; }
    QLineEdit* macField() const { return macField_; }
    QPushButton* setupByMacButton() const { return setupByMacButton_; }
    QPushButton* executeButton() const { return executeButton_; }
    QPushButton* closeButton() const { return closeButton_; }
    QLabel* startupPanel() const { return startupPanel_; }
    QLabel* macLabel() const { return macLabel_; }
    QLabel* listAdvice() const { return listAdvice_; }
    QLabel* droppedNotice() const { return droppedNotice_; }
    QLabel* searchedInterfacesLine() const { return searchedInterfacesLine_; }
    QComboBox* macInterfaceSelector() const { return macInterfaceSelector_; }
    QLabel* noReplyNotice() const { return noReplyNotice_; }
    bool timerActive(TimerId id) const;
    int timerInterval(TimerId id) const;
    Qt::TimerType timerType(TimerId id) const;

    // FlowHost (main_dialog_flow_host.cpp)
    void startTimer(TimerId id, int periodMs) override;
    void stopTimer(TimerId id) override;
    bool hasSocket() const override;
    void setMode(SocketMode mode) override;
    ReplyState replyState() const override;
    void sendSetup(std::uint8_t kind) override;
    void sendRestart() override;
    bool progressDialogExists() const override;
    void closeProgress() override;
    void showProgressText() override;
    void hideProgress() override;
    void showProgress() override;
    void showProgressCancel() override;
    void runAddressConfirm() override;
    void runAccessChoice() override;
    void runMessageDialog() override;
    void showMessageBox(StringId stringId) override;
    void shellLaunch(const QString& url) override;
    void browserRestartLaunch(const QString& url) override;
    void after(int ms, std::function<void()> action) override;
    void startAddressCheck(std::uint32_t address, std::uint32_t ownAddress) override;
    void abandonAddressCheck() override;
    QString text(StringId stringId) const override;
    QString macFieldText() const override;

    // Closing the window stops the timers, abandons the address checks and closes the socket;
    // Esc and the close box do nothing while a modeless dialog disables the window, except that
    // the close box (or the desktop's close) ends a running flow and closes all the same.
    void done(int result) override;
    void reject() override;
    // True while the set-up flow or the wizard is under way: its timer runs or it waits for an
    // address check.
    bool flowRunning() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    void initialise(SocketEndpoints endpoints);
    QTimer* timer(TimerId id) const;
    void poll();
    // The list and the lines under it after a search, before the statuses age.
    void showSearchResult();
    void hideStartupPanel();
    void showDroppedCount();
    void showSearchedInterfaces();
    // The interface of the flow's camera (the by-MAC selector's for a set-up by MAC address)
    // while several are searched; null otherwise.
    const PcInterface* flowInterface() const;
    // Points the table's PC address and MAC at the flow's interface, or back at the PC's own.
    void useFlowInterface();
    void onSetupByMacClicked();
    void onMacInterfaceChosen(int index);
    void showNoReplyDiagnosis(bool searched);
    void onListSelectionChanged();
    void onListDoubleClicked();
    void onExecuteClicked();
    void onViewChanged();
    void showMessage(StringId stringId);

    CameraTable& cameras_;
    std::unique_ptr<HostInfo> hostInfo_;
    SearchInterfaces* interfaces_;
    // Host settings per interface (name, index), made when first asked for.
    std::map<std::pair<std::string, int>, std::unique_ptr<HostInfo>> interfaceHostInfo_;
    // The interface chosen beside the MAC field, kept for the session while it is searched.
    NetworkInterfaceId macInterface_;
    // The interfaces searched each by its own socket at the last search.
    std::vector<PcInterface> searched_;
    // The PC fields found at start-up, which serve while one socket serves every interface.
    std::uint32_t ownHostIp_ = 0;
    MacAddress ownHostMac_{};
    BrowserLauncher& launcher_;
    Prompter& prompter_;
    FlowContext context_;
    AddressCheckerFactory makeChecker_;
    // Declared after everything their verdicts reach, so they go (and abandon) first.
    std::unique_ptr<AddressChecker> flowCheck_;
    std::unique_ptr<AddressChecker> pageCheck_;
    std::unique_ptr<DiscoverySession> session_;
    std::unique_ptr<SetupFlow> setupFlow_;
    std::unique_ptr<Wizard> wizard_;
    std::array<QTimer*, std::size(kAllTimers)> timers_{};

    ControlDialog* controlDialog_ = nullptr;
    ProgressDialog* progressDialog_ = nullptr;
    ManualSetupDialog* manualSetupDialog_ = nullptr;
    ResetIpsecDialog* resetIpsecDialog_ = nullptr;

    QWidget* contents_ = nullptr;
    CameraList* cameraList_ = nullptr;
    QWidget* startupOverlay_ = nullptr;
    QLabel* startupPanel_ = nullptr;
    QLabel* macLabel_ = nullptr;
    QLineEdit* macField_ = nullptr;
    QPushButton* setupByMacButton_ = nullptr;
    QLabel* listAdvice_ = nullptr;
    // Says that cameras answered beyond the list's capacity; hidden while none did.
    QLabel* droppedNotice_ = nullptr;
    // Names the interfaces searched; hidden while one socket serves.
    QLabel* searchedInterfacesLine_ = nullptr;
    QLabel* macInterfaceLabel_ = nullptr;
    QComboBox* macInterfaceSelector_ = nullptr;
    // Says why no camera answers, after three searches without a reply; hidden from the first
    // reply on, and while a set-up flow runs (a restarting camera is silent for a while).
    QLabel* noReplyNotice_ = nullptr;
    QComboBox* viewSelector_ = nullptr;
    QPushButton* executeButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
};

}  // namespace tolvane
