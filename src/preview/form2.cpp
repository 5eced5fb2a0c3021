#include "preview/form2.h"

#include "preview/form2_layout.h"
#include "preview/picture_box.h"
#include "shell/app_icon.h"
#include "shell/app_title.h"
#include "shell/context_names.h"
#include "shell/error_report.h"
#include "shell/hand_cursor.h"
#include "shell/main_services.h"
#include "shell/twips.h"
#include "shell/window_look.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>
#include <utility>
#include <vector>

namespace preview {
namespace {

using layout::Control;

void place(QWidget& widget, const Control& control) {
    widget.setObjectName(QLatin1String(control.name));
    widget.setGeometry(shell::twipRect(control.rect.left, control.rect.top, control.rect.width, control.rect.height));
}

// Twips as fractional pixels, for the stretched painting.
double pixelsOf(std::int32_t twips) { return double(twips) / shell::kTwipsPerPixel; }

// A pointer position inside Picture1, in twips.
QPointF toTwips(const QPointF& pixels) { return pixels * shell::kTwipsPerPixel; }

TwipSize twipSizeOf(const QPixmap& picture) {
    const QSizeF pixels = picture.deviceIndependentSize();
    return {shell::pixelsToTwips(qRound(pixels.width())), shell::pixelsToTwips(qRound(pixels.height()))};
}

std::int16_t asInt16(int value) { return static_cast<std::int16_t>(value); }

}  // namespace

Form2::Form2(PreviewServices services)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint),
      m_services(std::move(services)) {
    setObjectName(QStringLiteral("Form2"));
    setFixedSize(shell::twipsToPixels(layout::kClientWidth), shell::twipsToPixels(layout::kClientHeight));
    setFont(shell::arialBold(layout::kWindowFontPoints));
    m_pointer = new shell::WindowPointer(*this);
    buildControls();
    setTabOrder();
    showPicturePlace();
    showScrollBars();
    if (const QScreen* screen = this->screen()) move(screen->availableGeometry().center() - rect().center());
}

Form2::~Form2() = default;

// The controls in tab-index order, each at its designed place.
void Form2::buildControls() {
    buildScrollBars();
    buildViewport();
    m_frame1 = new QGroupBox(QStringLiteral("Zoom:"), this);
    place(*m_frame1, layout::kFrame1);
    m_pointer->watchBackground(*m_frame1);
    m_zoomOri = new PictureBox(this);
    place(*m_zoomOri, layout::kZoomOri);
    m_zoomOri->hide();
    buildButtons();
}

void Form2::buildScrollBars() {
    m_hScroll1 = new QScrollBar(Qt::Horizontal, this);
    place(*m_hScroll1, layout::kHScroll1);
    m_vScroll1 = new QScrollBar(Qt::Vertical, this);
    place(*m_vScroll1, layout::kVScroll1);
    for (QScrollBar* bar : {m_hScroll1, m_vScroll1}) {
        bar->setTracking(false);  // the picture moves when the thumb is let go
        bar->setFocusPolicy(Qt::StrongFocus);
    }
    connect(m_hScroll1, &QScrollBar::valueChanged, this, &Form2::HScroll1_Change);
    connect(m_vScroll1, &QScrollBar::valueChanged, this, &Form2::VScroll1_Change);
}

// Picture2 with its sunken border, a white inside that clips, and Picture1 in it.
void Form2::buildViewport() {
    m_picture2 = new QFrame(this);
    place(*m_picture2, layout::kPicture2);
    m_picture2->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);  // two pixels on every side
    m_picture2->setFocusPolicy(Qt::StrongFocus);
    shell::paintWhite(*m_picture2);
    shell::markAsPictureBox(*m_picture2);
    m_viewportInside = new QWidget(m_picture2);
    m_viewportInside->setGeometry(m_picture2->contentsRect());
    shell::paintWhite(*m_viewportInside);

    m_picture1 = new PictureBox(m_viewportInside);
    m_picture1->setObjectName(QLatin1String(layout::kPicture1.name));
    m_picture1->setFocusPolicy(Qt::StrongFocus);
    m_picture1->installEventFilter(this);
}

void Form2::buildButtons() {
    const auto addButton = [this](const Control& control, const char* caption, QWidget* container) {
        auto* button = new QPushButton(QLatin1String(caption), container);
        place(*button, control);
        button->setFont(shell::arialBold(layout::kButtonFontPoints));
        m_pointer->watchButton(*button);
        return button;
    };
    m_pushButton1 = addButton(layout::kPushButton1, "Zoom In", m_frame1);
    m_pushButton2 = addButton(layout::kPushButton2, "Zoom Out", m_frame1);
    m_pushButton6 = addButton(layout::kPushButton6, "Save Results To Excel File", this);
    m_pushButton8 = addButton(layout::kPushButton8, "< Back", this);
    connect(m_pushButton1, &QPushButton::clicked, this, &Form2::PushButton1_Click);
    connect(m_pushButton2, &QPushButton::clicked, this, &Form2::PushButton2_Click);
    connect(m_pushButton6, &QPushButton::clicked, this, &Form2::PushButton6_Click);
    connect(m_pushButton8, &QPushButton::clicked, this, &Form2::PushButton8_Click);
}

// Tab visits the controls by their tab indexes; Frame1 and the hidden Zoom_Ori
// take no focus.
void Form2::setTabOrder() {
    std::vector<std::pair<int, QWidget*>> stops = {
        {layout::kHScroll1.tabIndex, m_hScroll1},       {layout::kVScroll1.tabIndex, m_vScroll1},
        {layout::kPicture2.tabIndex, m_picture2},       {layout::kPicture1.tabIndex, m_picture1},
        {layout::kPushButton1.tabIndex, m_pushButton1}, {layout::kPushButton2.tabIndex, m_pushButton2},
        {layout::kPushButton6.tabIndex, m_pushButton6}, {layout::kPushButton8.tabIndex, m_pushButton8}};
    std::sort(stops.begin(), stops.end());
    for (size_t i = 0; i + 1 < stops.size(); ++i) QWidget::setTabOrder(stops[i].second, stops[i + 1].second);
}

void Form2::ensureLoaded() {
    if (!m_loaded) Form_Load();
}

void Form2::Form_Load() {
    using namespace shell;
    m_loaded = true;
    ErrorTrap trap(QLatin1String(contexts::kForm2FormLoad), m_services.messages);
    trap.run(100, [&] { mFirstActivate = true; });
    trap.run(102, [&] { SetBackColor(*this); });  // Picture2 is a picture box and stays white
    trap.run(104, [&] { setWindowTitle(productName()); });
    trap.run(106, [&] { setWindowIcon(appIcon()); });
    if (trap.test(108, [&] { return FileExists(cursorFilePath()); }))
        trap.run(110, [&] { m_pointer->setCustomImage(loadCursorFile(cursorFilePath())); });
}

void Form2::Form_Activate() {
    if (!mFirstActivate) return;
    shell::ErrorTrap trap(QLatin1String(shell::contexts::kForm2FormActivate), m_services.messages);
    // Picture1 takes the size of its picture; Zoom_Ori copies it and from now
    // on holds the unzoomed picture that every repaint starts from.
    trap.run(100, [&] {
        m_state.prepareFirstDisplay(twipSizeOf(m_picture1->picture()));
        showPicturePlace();
    });
    trap.run(102, [&] {
        m_zoomOri->resize(m_picture1->size());
        m_zoomOri->setPicture(m_picture1->picture());
    });
    trap.run(104, [&] { RedrawImage(); });
    trap.run(106, [&] { InitScrollbars(); });
    trap.run(108, [&] { mFirstActivate = false; });
}

void Form2::setPicture(QImage snapshot) {
    ensureLoaded();
    m_picture1->setPicture(QPixmap::fromImage(std::move(snapshot)));  // taken over, not copied
}

void Form2::RedrawImage() {
    shell::ErrorTrap trap(QLatin1String(shell::contexts::kForm2RedrawImage), m_services.messages);
    Redraw outcome = Redraw::Refused;
    trap.run(100, [&] { outcome = m_state.RedrawImage(); });
    if (outcome == Redraw::Refused) return;  // the old picture stays on screen
    trap.run(102, [&] {
        paintZoomed();
        showPicturePlace();
    });
    trap.run(104, [&] { m_pointer->setPointer(shell::MousePointer::Default); });
    trap.run(106, [&] { showScrollBars(); });
}

void Form2::InitScrollbars() {
    // A range that does not fit fails into the caller's trap; what was set
    // up to then is still shown.
    const auto show = qScopeGuard([this] {
        showPicturePlace();
        showScrollBars();
    });
    m_state.InitScrollbars();
}

void Form2::ChangeZoom(std::int32_t direction) { SetZoom(m_state.zoomAfterStep(direction)); }

void Form2::SetZoom(float value) {
    if (m_state.acceptZoom(value)) RedrawImage();
}

void Form2::PushButton1_Click() {
    shell::ErrorTrap trap(QLatin1String(shell::contexts::kForm2PushButton1Click), m_services.messages);
    trap.run(100, [&] { ChangeZoom(0); });
}

void Form2::PushButton2_Click() {
    shell::ErrorTrap trap(QLatin1String(shell::contexts::kForm2PushButton2Click), m_services.messages);
    trap.run(100, [&] { ChangeZoom(1); });
}

void Form2::HScroll1_Change(int value) {
    m_state.scrollBarChanged(Axis::Horizontal, asInt16(value));
    showPicturePlace();
}

void Form2::VScroll1_Change(int value) {
    m_state.scrollBarChanged(Axis::Vertical, asInt16(value));
    showPicturePlace();
}

void Form2::Picture1_MouseDown(const QMouseEvent& event) {
    shell::ErrorTrap trap(QLatin1String(shell::contexts::kForm2Picture1MouseDown), m_services.messages);
    const QPointF at = toTwips(event.position());
    trap.run(100, [&] { m_state.mouseDown(float(at.x()), float(at.y())); });
}

void Form2::Picture1_MouseMove(const QMouseEvent& event) {
    shell::ErrorTrap trap(QLatin1String(shell::contexts::kForm2Picture1MouseMove), m_services.messages);
    const QPointF at = toTwips(event.position());
    bool moved = false;
    trap.run(100, [&] { moved = m_state.mouseMove(event.buttons() != Qt::NoButton, float(at.x()), float(at.y())); });
    if (moved) trap.run(102, [&] { showPicturePlace(); });
}

// The scroll bars catch up with the place the picture was dragged to.
void Form2::Picture1_MouseUp() {
    shell::ErrorTrap trap(QLatin1String(shell::contexts::kForm2Picture1MouseUp), m_services.messages);
    std::int16_t percentH = 0;
    std::int16_t percentV = 0;
    trap.run(100, [&] { percentH = m_state.mouseUpPercent(Axis::Horizontal); });
    trap.run(102, [&] { percentV = m_state.mouseUpPercent(Axis::Vertical); });
    trap.run(104, [&] { SetHScrollbarByPercent(m_hScroll1, percentH); });
    trap.run(106, [&] { SetVScrollbarByPercent(m_vScroll1, percentV); });
}

void Form2::SetHScrollbarByPercent(QScrollBar* HScrollbar, std::int16_t percent) {
    if (const auto value = scrollValueForPercent(percent, asInt16(HScrollbar->maximum())))
        HScrollbar->setValue(*value);
}

void Form2::SetVScrollbarByPercent(QScrollBar* VScrollbar, std::int16_t percent) {
    if (const auto value = scrollValueForPercent(percent, asInt16(VScrollbar->maximum())))
        VScrollbar->setValue(*value);
}

void Form2::showPicturePlace() {
    const PicturePlace& p = m_state.picture;
    m_picture1->setGeometry(shell::twipRect(qRound(p.left), qRound(p.top), std::max(0, p.width), std::max(0, p.height)));
}

// The bars as the state holds them. Their change events have already run in
// the state, so the widgets' own signals are held back here.
void Form2::showScrollBars() {
    const auto show = [](QScrollBar& bar, const ScrollBarState& state) {
        const QSignalBlocker blocker(bar);
        bar.setRange(state.minimum, state.maximum);
        bar.setSingleStep(state.smallChange);
        bar.setPageStep(state.largeChange);
        bar.setValue(state.value);
        bar.setEnabled(state.enabled);
    };
    show(*m_hScroll1, m_state.hScroll);
    show(*m_vScroll1, m_state.vScroll);
}

void Form2::paintZoomed() {
    const ZoomScrollState& s = m_state;
    const QSize size(shell::twipsToPixels(std::max(0, s.mZoomWidth)), shell::twipsToPixels(std::max(0, s.mZoomHeight)));
    const qreal ratio = devicePixelRatioF();
    const QPixmap& original = m_zoomOri->picture();
    // Unzoomed, an opaque picture painted over white is the picture itself:
    // it is shared rather than painted again (a megapixel at every first show).
    if (s.mZoomWidth == s.mBaseWidth && s.mZoomHeight == s.mBaseHeight && !original.hasAlphaChannel() &&
        original.devicePixelRatio() == ratio && original.size() == size * ratio) {
        m_picture1->setPicture(original);
        return;
    }
    QPixmap canvas(size * ratio);
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(Qt::white);
    const QPixmap& source = m_zoomOri->picture();
    if (!canvas.isNull() && !source.isNull()) {
        // Destination and source rectangles are both given in twips; the
        // source is read in the picture's own pixels.
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        const qreal sourceRatio = source.devicePixelRatio();
        painter.drawPixmap(QRectF(0, 0, pixelsOf(s.mZoomWidth), pixelsOf(s.mZoomHeight)), source,
                           QRectF(0, 0, pixelsOf(s.mBaseWidth) * sourceRatio, pixelsOf(s.mBaseHeight) * sourceRatio));
    }
    m_picture1->setPicture(canvas);
}

bool Form2::event(QEvent* event) {
    if (event->type() == QEvent::Show) ensureLoaded();
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::Show || event->type() == QEvent::WindowActivate) Form_Activate();
    return handled;
}

bool Form2::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_picture1) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:  // the second press of a double click grabs as well
            Picture1_MouseDown(*static_cast<QMouseEvent*>(event));
            return true;
        case QEvent::MouseMove:
            Picture1_MouseMove(*static_cast<QMouseEvent*>(event));
            return true;
        case QEvent::MouseButtonRelease:
            Picture1_MouseUp();
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Form2::closeEvent(QCloseEvent* event) {
    Form_QueryUnload();
    Form_Unload();
    event->accept();
}

QString Form2::cursorFilePath() const {
    return m_services.programFolder + QLatin1Char('/') + QLatin1String(shell::kCursorFileName);
}

}  // namespace preview
