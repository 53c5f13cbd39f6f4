#include "core/ui/main_frame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <algorithm>

#include "core/app_recent_files.h"
#include "core/app_window_pos.h"
#include "core/init_doc.h"
#include "core/ui/about_dialog.h"
#include "core/ui/menus.h"
#include "core/ui/resources/toolbar_icons.h"
#include "core/units.h"
#include "maps/map_doc.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/qt/app_settings_store.h"
#include "platform/qt/qt_timers.h"
#include "platform/string_table.h"

namespace {

QString q(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
std::string s(const QString& text) {
    return text.toUtf8().toStdString();
}

constexpr int kIdleUpdateMs = 250;
constexpr int kDefaultWidth = 1100;
constexpr int kDefaultHeight = 800;
constexpr int kFirstToolBarToggle = 32896;  // "Ansichten"; "Datei" is 59392
constexpr int kStatusBarToggle = 59393;
constexpr int kShowPreviousView = 32901;
constexpr const char* kBarStateSection = "VXWnd";

int ViewCommandOf(int view) {
    return FindView(view)->command;
}

// The command that shows or hides toolbar `index`.
int toggleCommandOf(int index) {
    return ToolBars()[static_cast<size_t>(index)].toggleCommand;
}

}  // namespace

CMainFrame::CMainFrame(CInitDoc& settings, AppSettingsStore& profile, const AppHooks& hooks,
                       CommandRegistry& commands, TimerService* timers, QWidget* parent)
    : QMainWindow(parent),
      settings_(settings),
      profile_(profile),
      hooks_(hooks),
      commands_(commands),
      ownTimers_(timers ? nullptr : std::make_unique<QtTimers>()),
      timers_(timers ? timers : ownTimers_.get()),
      switcher_(settings.Map(), switchHooks_) {
    setObjectName("MainFrame");
    setWindowIcon(ProgramIcon());
    ApplyStoredPlacement();
    BuildViews();
    BuildStatusBar();
    RegisterFrameCommands();
    BuildMenus();
    BuildToolBars();
    RestoreBarState();
    SetAircraftNames({}, -1);
    UpdateTitle();

    idleTimer_ = new QTimer(this);
    idleTimer_->setInterval(kIdleUpdateMs);
    connect(idleTimer_, &QTimer::timeout, this, &CMainFrame::UpdateCommandUI);
    idleTimer_->start();
    UpdateCommandUI();
}

CMainFrame::~CMainFrame() {
    for (const auto& [id, serviceId] : runningTimers_) timers_->Cancel(serviceId);
}

// ---- views ------------------------------------------------------------------------

void CMainFrame::BuildViews() {
    stack_ = new QStackedWidget(this);
    stack_->setObjectName("Views");
    setCentralWidget(stack_);
    pages_.resize(kViewWindowCount);
    // Windows in the order of their objects; views 3 and 11 share window 2.
    for (int view = 1; view <= kViewCount; ++view) {
        const ViewInfo* info = FindView(view);
        ViewPage& page = pages_[static_cast<size_t>(info->window)];
        if (page.widget) continue;
        ViewFactory factory = FindViewFactory(view);
        if (!factory && view == VIEW_SCAN_MAP) factory = FindViewFactory(VIEW_TRACK_SCAN);
        page = factory ? factory(stack_) : MakePlaceholderViewPage(view, stack_);
        if (!page.widget) page = MakePlaceholderViewPage(view, stack_);
        page.widget->setObjectName(info->windowName);
    }
    for (const ViewPage& page : pages_) stack_->addWidget(page.widget);
    stack_->setCurrentWidget(pages_[0].widget);
}

QWidget* CMainFrame::ViewWindow(int view) const {
    const ViewInfo* info = FindView(view);
    return info ? pages_[static_cast<size_t>(info->window)].widget : nullptr;
}

const ViewPage* CMainFrame::ActivePage() const {
    const ViewInfo* info = FindView(switcher_.Current());
    return info ? &pages_[static_cast<size_t>(info->window)] : nullptr;
}

void CMainFrame::ShowView(int view) {
    const bool shown = switcher_.ShowView(view, [this](int n) {
        const ViewInfo* info = FindView(n);
        const ViewPage& page = pages_[static_cast<size_t>(info->window)];
        stack_->setCurrentWidget(page.widget);
        page.widget->setFocus();
        if (page.activated) page.activated();
    });
    if (!shown) return;
    UpdateTitle();
    UpdateCommandUI();
}

void CMainFrame::UpdateTitle() {
    const std::string route = hooks_.routeTitle ? hooks_.routeTitle() : std::string();
    const std::string track = queries_.trackTitle ? queries_.trackTitle() : std::string();
    setWindowTitle(q(FrameTitle(switcher_.Current(), route, track)));
}

ViewCommandContext CMainFrame::ViewContext() const {
    ViewCommandContext c;
    c.currentView = switcher_.Current();
    c.movingMapRunning = queries_.movingMapRunning && queries_.movingMapRunning();
    c.catalogueEmpty = !(queries_.catalogueHasMaps && queries_.catalogueHasMaps());
    c.trackPoints = queries_.trackPointCount ? queries_.trackPointCount() : 0;
    return c;
}

void CMainFrame::OnViewCommand(int command) {
    const int view = ViewOfCommand(command);
    if (view == VIEW_SCAN_MAP || view == VIEW_TRACK_SCAN) {
        OnScannedMapCommand(view);
        return;
    }
    ShowView(view);
    if (command == 32884 && queries_.showWarnings) queries_.showWarnings();
    if (command == 32885 && queries_.takeFlightPlanRouteChange && queries_.takeFlightPlanRouteChange())
        thePrompt().Message(LoadStr(1985));
}

void CMainFrame::OnScannedMapCommand(int view) {
    if (!(queries_.catalogueHasMaps && queries_.catalogueHasMaps())) {
        thePrompt().Message(LoadStr(1877));
        return;
    }
    if (queries_.prepareScannedMap && !queries_.prepareScannedMap(view)) return;
    ShowView(view);
    if (queries_.centreScannedMap) queries_.centreScannedMap(view);
}

void CMainFrame::RegisterViewCommands() {
    for (int view = 1; view <= kViewCount; ++view) {
        const int command = FindView(view)->command;
        // The display never uses up the scanned map's enable-once flag; only
        // running the command does (ExecuteCommand).
        commands_.Register(
            command, [this, command] { OnViewCommand(command); },
            [this, command] {
                bool once = scanEnableOnce_;
                return ViewCommandState(command, ViewContext(), once);
            });
    }
    // The map buttons follow the kind of view on show: route or track.
    commands_.Register(
        33304, [this] { OnViewCommand(IsTrackView(CurrentView()) ? 32889 : 32881); },
        [this] {
            bool once = false;
            return ViewCommandState(33304, ViewContext(), once);
        });
    commands_.Register(
        33305, [this] { OnViewCommand(IsTrackView(CurrentView()) ? 32890 : 32882); },
        [this] {
            bool once = false;
            return ViewCommandState(33305, ViewContext(), once);
        });
    commands_.Register(kShowPreviousView, [this] {
        ShowView(PreviousView());
        if (settings_.Map().m_bCannotShow) thePrompt().Message(LoadStr(1850));
    });
}

// ---- commands ----------------------------------------------------------------------

void CMainFrame::RegisterFrameCommands() {
    RegisterViewCommands();
    for (int i = 0; i < static_cast<int>(ToolBars().size()); ++i) {
        commands_.Register(
            toggleCommandOf(i),
            [this, i] {
                if (QToolBar* bar = ToolBarAt(i)) bar->setVisible(bar->isHidden());
            },
            [this, i] {
                return CommandState{true, ToolBarAt(i) && !ToolBarAt(i)->isHidden()};
            });
    }
    commands_.Register(
        kStatusBarToggle, [this] { statusBar()->setVisible(statusBar()->isHidden()); },
        [this] {
            return CommandState{true, !statusBar()->isHidden()};
        });
    commands_.Register(
        33306,
        [this] {
            const bool on = !settings_.GetSignalOnSave();
            settings_.SetSignalOnSave(on);
            settings_.SetModifiedFlag();
            if (on) thePrompt().Beep();
        },
        [this] {
            return CommandState{true, settings_.GetSignalOnSave()};
        });
    commands_.Register(57664, [this] { RunAboutDialog(this); });
    commands_.Register(57665, [this] { close(); });
    if (hooks_.newRoute) commands_.Register(57600, [this] { hooks_.newRoute(); });
    if (hooks_.openRoute) {
        commands_.Register(57601, [this] {
            const auto path = thePrompt().ChooseOpenFile("Öffnen", settings_.GetProgramDir(),
                                                         FileFilter{"Way Files (*.way)", "*.way"});
            if (path) OpenRouteFile(*path);
        });
        for (int i = 0; i < AppSettingsStore::kRecentFileCount; ++i) {
            commands_.Register(kFirstRecentFileCommand + i, [this, i] {
                const std::vector<std::string> files = profile_.RecentFiles();
                if (i >= static_cast<int>(files.size())) return;
                if (!OpenRouteFile(files[static_cast<size_t>(i)]))
                    profile_.RemoveRecentFile(files[static_cast<size_t>(i)]);
            });
        }
    }
}

bool CMainFrame::OpenRouteFile(const std::string& path) {
    if (!hooks_.openRoute) {
        thePrompt().Message(LoadStr(1751), MessageKind::Error);
        return false;
    }
    const bool opened = hooks_.openRoute(path);
    UpdateTitle();
    return opened;
}

CommandState CMainFrame::CommandStateOf(int command) const {
    if (const ViewPage* page = ActivePage(); page && page->state) {
        if (const std::optional<CommandState> state = page->state(command)) return *state;
    }
    return commands_.State(command);
}

bool CMainFrame::ExecuteCommand(int command) {
    if (const ViewPage* page = ActivePage(); page && page->state) {
        if (const std::optional<CommandState> state = page->state(command)) {
            if (!state->enabled) return false;
            if (page->execute && page->execute(command)) {
                UpdateCommandUI();
                return true;
            }
        }
    }
    bool ran = false;
    if (command == ViewCommandOf(VIEW_SCAN_MAP) && scanEnableOnce_) {
        scanEnableOnce_ = false;
        OnViewCommand(command);
        ran = true;
    } else {
        ran = commands_.Execute(command);
    }
    UpdateCommandUI();
    return ran;
}

void CMainFrame::PostCommand(int command) {
    QMetaObject::invokeMethod(
        this, [this, command] { ExecuteCommand(command); }, Qt::QueuedConnection);
}

QAction* CMainFrame::Action(int command) const {
    const auto it = actions_.find(command);
    return it == actions_.end() ? nullptr : it->second;
}

QAction* CMainFrame::MakeAction(int command) {
    const CommandText* text = FindCommandText(command);
    auto* action = new QAction(this);
    action->setData(command);
    if (text) {
        action->setText(q(text->menuText));
        action->setStatusTip(q(FlyByText(command)));
        action->setToolTip(q(ToolTipText(command)));
        action->setCheckable(text->checkable);
        if (text->shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(text->shortcut)));
    }
    action->setIcon(ToolbarIcon(command));
    action->setIconVisibleInMenu(false);
    // The tick follows the command's state, not the click.
    connect(action, &QAction::triggered, this, [this, action, command] {
        ExecuteCommand(command);
        if (action->isCheckable()) action->setChecked(CommandStateOf(command).checked);
    });
    actions_.emplace(command, action);
    return action;
}

// ---- menus -------------------------------------------------------------------------

void CMainFrame::BuildMenus() {
    for (const MenuItem& top : MainMenuBar()) {
        QMenu* menu = menuBar()->addMenu(q(top.text));
        BuildMenu(menu, top.children);
    }
}

void CMainFrame::BuildMenu(QMenu* menu, const std::vector<MenuItem>& items) {
    connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
    for (const MenuItem& item : items) {
        switch (item.kind) {
            case MenuItem::Kind::Command: {
                // Menu items and toolbar buttons of one command share an action.
                QAction* action = Action(item.id);
                menu->addAction(action ? action : MakeAction(item.id));
                break;
            }
            case MenuItem::Kind::Separator:
                menu->addSeparator();
                break;
            case MenuItem::Kind::SubMenu:
                BuildMenu(menu->addMenu(q(item.text)), item.children);
                break;
            case MenuItem::Kind::RecentFiles: {
                fileMenu_ = menu;
                recentSeparator_ = new QAction(menu);
                recentSeparator_->setVisible(false);
                menu->addAction(recentSeparator_);
                connect(menu, &QMenu::aboutToShow, this, &CMainFrame::FillRecentFiles);
                FillRecentFiles();
                break;
            }
            case MenuItem::Kind::Aircraft:
                aircraftMenu_ = menu;
                aircraftSeparator_ = menu->actions().isEmpty() ? nullptr : menu->actions().back();
                break;
        }
    }
}

void CMainFrame::FillRecentFiles() {
    if (!fileMenu_) return;
    for (QAction* a : recentActions_) {
        for (auto it = actions_.begin(); it != actions_.end();)
            it = it->second == a ? actions_.erase(it) : std::next(it);
        fileMenu_->removeAction(a);
        a->deleteLater();
    }
    recentActions_.clear();
    const std::vector<std::string> files = profile_.RecentFiles();
    if (files.empty()) {
        auto* none = new QAction(QString::fromUtf8("Zuletzt geöffnete Datei"), fileMenu_);
        none->setEnabled(false);
        fileMenu_->insertAction(recentSeparator_, none);
        recentActions_.push_back(none);
        return;
    }
    for (size_t i = 0; i < files.size(); ++i) {
        const int command = kFirstRecentFileCommand + static_cast<int>(i);
        QAction* action = MakeAction(command);
        action->setText(QString("&%1 %2").arg(i + 1).arg(q(files[i])));
        action->setEnabled(CommandStateOf(command).enabled);
        fileMenu_->insertAction(recentSeparator_, action);
        recentActions_.push_back(action);
    }
}

void CMainFrame::SetAircraftNames(const std::vector<std::string>& names, int current) {
    if (!aircraftMenu_) return;
    for (QAction* a : aircraftActions_) {
        for (auto it = actions_.begin(); it != actions_.end();)
            it = it->second == a ? actions_.erase(it) : std::next(it);
        aircraftMenu_->removeAction(a);
        a->deleteLater();
    }
    aircraftActions_.clear();
    if (names.empty()) {
        QAction* none = MakeAction(kFirstAircraftCommand);
        none->setText(QString::fromUtf8(kNoAircraftText));
        none->setCheckable(false);
        none->setEnabled(false);
        none->setProperty("navoraAlwaysDisabled", true);
        aircraftMenu_->addAction(none);
        aircraftActions_.push_back(none);
        return;
    }
    const size_t count = std::min(names.size(), static_cast<size_t>(kMaxAircraftItems));
    for (size_t i = 0; i < count; ++i) {
        QAction* action = MakeAction(kFirstAircraftCommand + static_cast<int>(i));
        action->setText(q(names[i]));
        action->setCheckable(true);
        action->setChecked(static_cast<int>(i) == current);
        aircraftMenu_->addAction(action);
        aircraftActions_.push_back(action);
    }
}

// ---- toolbars and status bar ----------------------------------------------------------

void CMainFrame::BuildToolBars() {
    const std::vector<ToolBarInfo>& bars = ToolBars();
    for (const ToolBarInfo& info : bars) {
        if (info.newRow) addToolBarBreak(Qt::TopToolBarArea);
        auto* bar = new QToolBar(QString::fromUtf8(LoadStr(info.titleString)), this);
        bar->setObjectName(QString("ToolBar%1").arg(info.controlId));
        bar->setAllowedAreas(Qt::AllToolBarAreas);
        bar->setMovable(true);
        bar->setFloatable(true);
        // The bar's own close-and-show entry is replaced by our toggles.
        bar->toggleViewAction()->setVisible(false);
        for (int command : info.buttons) {
            if (command == 0) {
                bar->addSeparator();
                continue;
            }
            QAction* action = Action(command);
            bar->addAction(action ? action : MakeAction(command));
        }
        addToolBar(Qt::TopToolBarArea, bar);
        toolBars_.push_back(bar);
    }
}

QToolBar* CMainFrame::ToolBarAt(int index) const {
    if (index < 0 || index >= static_cast<int>(toolBars_.size())) return nullptr;
    return toolBars_[static_cast<size_t>(index)];
}

void CMainFrame::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    idleLabel_ = new QLabel(QStringLiteral("Bereit"), bar);
    bar->addWidget(idleLabel_, 1);
    const int labelWidth = bar->fontMetrics().horizontalAdvance(QString::fromUtf8(LoadStr(300)));
    const StatusPaneWidths widths = ComputeStatusPaneWidths(labelWidth);
    const struct {
        int id;
        int width;
        const char* tip;
    } panes[] = {{300, widths.position, "Position"},
                 {301, widths.elevation, "Höhe"},
                 {302, widths.speed, "Geschwindigkeit"}};
    for (const auto& pane : panes) {
        auto* label = new QLabel(bar);
        label->setObjectName(QString("Pane%1").arg(pane.id));
        label->setFixedWidth(pane.width);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setToolTip(QString::fromUtf8(pane.tip));
        bar->addPermanentWidget(label);
        panes_[pane.id] = label;
    }
}

QLabel* CMainFrame::StatusPane(int id) const {
    const auto it = panes_.find(id);
    return it == panes_.end() ? nullptr : it->second;
}

void CMainFrame::SetMessageText(const std::string& text) {
    idleLabel_->setText(text.empty() ? QStringLiteral("Bereit") : q(text));
}

void CMainFrame::AddStatusSource(std::function<void(StatusPaneInput&)> source) {
    statusSources_.push_back(std::move(source));
}

void CMainFrame::RefreshStatusPanes() {
    StatusPaneInput in;
    const CMapDoc& map = settings_.Map();
    in.cursor.Set(map.m_dCentreLat, map.m_dCentreLon);
    const ViewCommandContext context = ViewContext();
    in.movingMapRunning = context.movingMapRunning;
    in.trackPoints = context.trackPoints;
    in.routeViewCurrent = !IsTrackView(context.currentView);
    in.altitudeUnit = UnitName(settings_.Units().m_nAltitude);
    for (const auto& source : statusSources_) source(in);
    const std::pair<int, std::string> texts[] = {
        {300, PositionPaneText(in)}, {301, ElevationPaneText(in)}, {302, SpeedPaneText(in)}};
    for (const auto& [id, text] : texts) {
        QLabel* label = panes_[id];
        const QString value = q(text);
        if (label->text() != value) label->setText(value);
        label->setEnabled(!text.empty());
    }
}

void CMainFrame::UpdateCommandUI() {
    for (const auto& [command, action] : actions_) {
        if (action->property("navoraAlwaysDisabled").toBool()) continue;
        const CommandState state = CommandStateOf(command);
        action->setEnabled(state.enabled);
        if (action->isCheckable()) action->setChecked(state.checked);
    }
    RefreshStatusPanes();
}

// ---- timers ------------------------------------------------------------------------------

void CMainFrame::SetFrameTimer(int id, int ms) {
    KillFrameTimer(id);
    runningTimers_[id] = timers_->StartSingleShot(ms, [this, id] {
        runningTimers_.erase(id);
        const auto it = timerHandlers_.find(id);
        if (it != timerHandlers_.end() && it->second) {
            const auto handler = it->second;
            handler();
        }
    });
}

void CMainFrame::KillFrameTimer(int id) {
    const auto it = runningTimers_.find(id);
    if (it == runningTimers_.end()) return;
    timers_->Cancel(it->second);
    runningTimers_.erase(it);
}

void CMainFrame::SetTimerHandler(int id, std::function<void()> handler) {
    timerHandlers_[id] = std::move(handler);
}

// ---- placement, closing, dropped files -------------------------------------------------------

void CMainFrame::ApplyStoredPlacement() {
    const std::optional<WindowPlacement> stored =
        ParseWindowPos(profile_.GetString(kWindowPosSection, kWindowPosEntry));
    if (!stored) {
        // No stored placement: a window that fits the screen, centred.
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect available = screen->availableGeometry();
            const QSize size(std::min(kDefaultWidth, available.width() * 9 / 10),
                             std::min(kDefaultHeight, available.height() * 9 / 10));
            setGeometry(QRect(available.center() - QPoint(size.width() / 2, size.height() / 2), size));
        }
        return;
    }
    const QRect rect(stored->left, stored->top, stored->right - stored->left, stored->bottom - stored->top);
    if (rect.width() >= 100 && rect.height() >= 100) {
        bool onScreen = false;
        for (const QScreen* screen : QGuiApplication::screens())
            onScreen = onScreen || screen->availableGeometry().intersects(rect);
        if (onScreen)
            setGeometry(rect);
        else
            resize(rect.size());
    }
    maximizeOnShow_ = stored->Maximized();
}

void CMainFrame::RestoreBarState() {
    const QByteArray state = profile_.GetBinary(kBarStateSection, "State");
    if (!state.isEmpty()) restoreState(state);
    statusBar()->setVisible(profile_.GetInt(kBarStateSection, "StatusBar", 1) != 0);
}

void CMainFrame::ShowWithPlacement() {
    if (maximizeOnShow_)
        showMaximized();
    else
        show();
}

void CMainFrame::SaveBarsAndPlacement() {
    profile_.SetBinary(kBarStateSection, "State", saveState());
    profile_.SetInt(kBarStateSection, "StatusBar", statusBar()->isHidden() ? 0 : 1);
    WindowPlacement p;
    p.flags = isMaximized() ? WindowPlacement::kRestoreToMaximized : 0;
    p.showCmd = isMinimized()   ? WindowPlacement::kShowMinimized
                : isMaximized() ? WindowPlacement::kShowMaximized
                                : WindowPlacement::kShowNormal;
    const QRect normal =
        (isMaximized() || isMinimized()) && normalGeometry().isValid() ? normalGeometry() : geometry();
    p.left = normal.left();
    p.top = normal.top();
    p.right = normal.left() + normal.width();
    p.bottom = normal.top() + normal.height();
    profile_.SetString(kWindowPosSection, kWindowPosEntry, FormatWindowPos(p));
    profile_.Sync();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (hooks_.canCloseRoute && !hooks_.canCloseRoute()) {
        event->ignore();
        return;
    }
    SaveBarsAndPlacement();
    idleTimer_->stop();
    event->accept();
}

namespace {
std::vector<std::string> droppedRoutes(const QMimeData* data) {
    std::vector<std::string> routes;
    if (!data || !data->hasUrls()) return routes;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile()) continue;
        const std::string path = s(url.toLocalFile());
        if (IsRecentFileCandidate(path)) routes.push_back(path);
    }
    return routes;
}
}  // namespace

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedRoutes(event->mimeData()).empty()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    const std::vector<std::string> routes = droppedRoutes(event->mimeData());
    if (routes.empty()) return;
    event->acceptProposedAction();
    activateWindow();
    // One route is open at a time: the first dropped route is opened.
    OpenRouteFile(routes.front());
}
