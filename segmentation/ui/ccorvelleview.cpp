#include "segmentation/ui/ccorvelleview.h"

#include "platform/clock.h"
#include "platform/dao.h"
#include "platform/gbk.h"
#include "platform/imelookup.h"
#include "platform/opener.h"
#include "platform/paths.h"
#include "platform/programexit.h"
#include "platform/resources.h"
#include "platform/uiservice.h"
#include "segmentation/core/articlegeometry.h"
#include "segmentation/core/bookproblems.h"
#include "segmentation/core/bookreader.h"
#include "segmentation/core/codehint.h"
#include "segmentation/core/commandline.h"
#include "segmentation/core/commandrouter.h"
#include "segmentation/core/frameresources.h"
#include "segmentation/core/helpfile.h"
#include "segmentation/core/logfont.h"
#include "segmentation/core/practicefile.h"
#include "segmentation/core/segmentarticle.h"
#include "segmentation/ui/afxmessagebox.h"
#include "segmentation/ui/bookfailures.h"
#include "segmentation/ui/ccorvelledoc.h"
#include "segmentation/ui/cmainframe.h"
#include "segmentation/ui/colorref.h"
#include "segmentation/ui/coptionsdlg.h"
#include "segmentation/ui/ctestresultdlg.h"
#include "segmentation/ui/logfontconversion.h"

#include <QGlyphRun>
#include <QKeyEvent>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

using namespace segmentation;
using namespace platform;

namespace {

// The article's font is built in; the font command's settings do not reach it.
LogFont articleLogFont()
{
    LogFont font;
    font.height = 40;
    font.weight = kNormalWeight;
    font.charSet = kGb2312CharSet;
    font.quality = kProofQuality;
    font.pitchAndFamily = 18;
    font.faceName = QStringLiteral("楷体_GB2312");
    return font;
}

// The view's client area at the top, as the scroll rules measure it.
constexpr QSize kInitialTotalSize(100, 100);

// The part of a text a lookup may match in.
QByteArrayView firstBytes(QByteArrayView text, int bytes)
{
    return text.first(std::clamp<qsizetype>(bytes, 0, text.size()));
}

} // namespace

CCorvelleView::CCorvelleView(CCorvelleDoc* document, CMainFrame* frame, const QString& commandLine)
    : QAbstractScrollArea(frame), m_document(document), m_frame(frame)
{
    setObjectName(QStringLiteral("CCorvelleView"));
    setFocusPolicy(Qt::StrongFocus);
    setFrameStyle(QFrame::NoFrame);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);

    m_teacher = hasTeacherSwitch(commandLine);
    m_articleFont = fontFromLogFont(articleLogFont());
    m_rawFont = QRawFont::fromFont(m_articleFont);
    const QFontMetrics metrics(m_articleFont);
    m_cellHeight = metrics.height();
    m_ascent = metrics.ascent();
    createMarkerKey();
    readSettings();
    loadLayoutsAtConstruction();

    for (int id = kFirstCursorIcon; id <= kLastCursorIcon; ++id)
        m_iconPixmaps[std::size_t(id - kFirstCursorIcon)] =
            resources::icon(id).pixmap(kCursorIconSize, kCursorIconSize);
    m_cursorTimer.setInterval(200);
    connect(&m_cursorTimer, &QTimer::timeout, this, [this] { OnTimer(TIMER_CURSOR_ICON); });
    m_clockTimer.setInterval(1000);
    connect(&m_clockTimer, &QTimer::timeout, this, [this] { OnTimer(TIMER_CLOCK); });
}

CCorvelleView::~CCorvelleView() = default;

void CCorvelleView::readSettings()
{
    m_settings = readViewSettings();
    // Only the simple edition's display name is looked for, whatever the setting says.
    m_settings.edition = 1;
    applySegmentationDisplay();
}

void CCorvelleView::applySegmentationDisplay()
{
    if (!m_settings.segmentationDisplay) {
        m_settings.alternateColor2 = m_settings.alternateColor1;
        m_settings.hintColor = m_settings.alternateColor1;
    }
}

void CCorvelleView::loadLayoutsAtConstruction()
{
    if (!m_settings.autoInputMethod)
        return;
    const QByteArray layoutId = findImeLayoutId();
    if (layoutId.isEmpty())
        afxMessageBox(this, QStringLiteral("请安装Talvoren汉字输入法2002简易版！"));
    loadLayouts(layoutId);
}

void CCorvelleView::loadLayouts(const QByteArray& imeLayoutId)
{
    if (!imeLayoutId.isEmpty()) {
        m_imeLayout = LoadKeyboardLayoutA(imeLayoutId.constData(), 0);
        if (m_imeLayout == 0)
            afxMessageBox(this, QStringLiteral("取Talvoren键盘布局句柄失败！"));
    }
    m_englishLayout = LoadKeyboardLayoutA(kUsEnglishLayoutId, 0);
    if (m_englishLayout == 0)
        afxMessageBox(this, QStringLiteral("取ENG键盘布局句柄失败！"));
}

int CCorvelleView::SwitchKeyboardLayout(int mode)
{
    if (m_imeLayout == 0 && m_englishLayout == 0) {
        const QByteArray layoutId = findImeLayoutId();
        if (layoutId.isEmpty()) {
            afxMessageBox(this, QStringLiteral("请安装Talvoren汉字输入法后再运行本软件！"));
            endProgram(1);
            return 0;
        }
        loadLayouts(layoutId);
    }
    const HKL layout = mode == 1 ? m_imeLayout : m_englishLayout;
    if (layout != 0)
        ActivateKeyboardLayout(layout, 0);
    return 1;
}

void CCorvelleView::attachCommands(CommandRouter& commands)
{
    commands.setHandler(CommandTarget::View, ID_TEST_START, [this] { OnTestStart(); });
    commands.setHandler(CommandTarget::View, ID_TEST_END, [this] { OnTestEnd(); });
    commands.setHandler(CommandTarget::View, ID_OPTIONS, [this] { OnOptions(); });
    commands.setHandler(CommandTarget::View, ID_HELP_CONTENTS, [this] { OnHelpContents(); });
    // Nothing that loads or replaces the article, or rebuilds the books, runs during a test.
    for (int id :
         {ID_TEST_START, ID_IMPORT_DATA, ID_FILE_NEW, ID_DELETE_ARTICLE, ID_FILE_OPEN, ID_OPEN_SAMPLE})
        commands.setUpdateHandler(CommandTarget::View, id,
                                  [this](CommandState& state) { state.enabled = !m_testing; });
    commands.setUpdateHandler(CommandTarget::View, ID_TEST_END,
                              [this](CommandState& state) { state.enabled = m_testing; });
    commands.setHandler(CommandTarget::View, ID_FILE_SAVE, [this] { OnFileSave(); });
    commands.setUpdateHandler(CommandTarget::View, ID_FILE_SAVE,
                              [this](CommandState& state) { OnUpdateFileSave(state); });
    commands.setUpdateHandler(CommandTarget::View, ID_FILE_SAVE_AS,
                              [this](CommandState& state) { OnUpdateFileSaveAs(state); });
}

void CCorvelleView::OnInitialUpdate()
{
    setScrollSizes(kInitialTotalSize.height());
    updateLayout();
}

void CCorvelleView::OnUpdate()
{
    cacheCharacters();
    updateLayout();
    viewport()->update();
}

void CCorvelleView::setScrollSizes(int totalHeight)
{
    m_totalHeight = totalHeight;
    applyScrollSizes();
}

void CCorvelleView::applyScrollSizes()
{
    // The page is the client area; a vertical line is 40 pixels, a horizontal one a tenth of the
    // page, as the framework takes a line size of 0.
    const int totalHeight = m_totalHeight;
    const QSize client = viewport()->size();
    QScrollBar* vertical = verticalScrollBar();
    vertical->setRange(0, qMax(0, totalHeight - client.height()));
    vertical->setPageStep(qMax(1, client.height()));
    vertical->setSingleStep(kScrollLine);
    QScrollBar* horizontal = horizontalScrollBar();
    horizontal->setRange(0, qMax(0, kInitialTotalSize.width() - client.width()));
    horizontal->setPageStep(qMax(1, client.width()));
    horizontal->setSingleStep(qMax(1, client.width() / 10));
}

void CCorvelleView::updateLayout()
{
    m_perLine = segmentation::charactersPerLine(viewport()->width(), m_cellHeight);
    if (m_document->article().isEmpty()) {
        applyScrollSizes(); // the page follows the client area
        return;
    }
    const int characters = int(m_document->article().size() / 2);
    setScrollSizes(articleScrollHeight(articleLines(characters, m_perLine)));
}

void CCorvelleView::cacheCharacters()
{
    const QByteArray& article = m_document->article();
    const qsizetype count = article.size() / 2;
    m_characters = gbk::decode(QByteArrayView(article).first(count * 2));
    if (m_characters.size() != count)
        decodeCharacterByCharacter(article);
    m_glyphs = m_rawFont.glyphIndexesForString(m_characters);
}

void CCorvelleView::decodeCharacterByCharacter(const QByteArray& article)
{
    const qsizetype count = article.size() / 2;
    m_characters.clear();
    m_characters.reserve(count);
    for (qsizetype i = 0; i < count; ++i) {
        const QString one = gbk::decode(QByteArrayView(article).sliced(2 * i, 2));
        m_characters.append(one.size() == 1 ? one.at(0) : QChar::ReplacementCharacter);
    }
}

void CCorvelleView::rereadShortCodeHint()
{
    // Read again where it is used, so that a change to the stored setting while the program runs
    // reaches the next paint, start and Backspace.
    m_settings.shortCodeHint = readSwitch(settings::ShortCodeHint);
}

const QByteArray& CCorvelleView::wordPattern() const
{
    return m_settings.shortCodeHint ? m_document->shortCodePattern() : m_document->segmentationPattern();
}

const QByteArray& CCorvelleView::paintDigits() const
{
    return m_testing ? m_typingStatus : wordPattern();
}

QColor CCorvelleView::colorOf(DigitColor color) const
{
    switch (color) {
    case DigitColor::Alternate1:
        return colorFromColorRef(m_settings.alternateColor1);
    case DigitColor::Alternate2:
        return colorFromColorRef(m_settings.alternateColor2);
    case DigitColor::Correct:
        return colorFromColorRef(m_settings.correctColor);
    case DigitColor::Wrong:
        return colorFromColorRef(m_settings.wrongColor);
    case DigitColor::ShortCode:
        return colorFromColorRef(m_settings.hintColor);
    case DigitColor::Unchanged:
        break;
    }
    return QColor();
}

void CCorvelleView::OnDraw(QPainter& painter, const QRect& clip)
{
    painter.fillRect(clip, colorFromColorRef(m_settings.backgroundColor));
    rereadShortCodeHint();
    const int characters = int(m_characters.size());
    if (characters == 0 || m_perLine <= 0)
        return; // no article, or not one character fits: the background alone
    const QByteArray& digits = paintDigits();
    painter.setFont(m_articleFont);

    // Only the lines the clip box reaches are drawn; a line takes two cell heights.
    const QPoint origin(horizontalScrollBar()->value(), verticalScrollBar()->value());
    const QRect area = clip.translated(origin);
    const int lineHeight = 2 * m_cellHeight;
    const int first = qMax(0, area.top() / lineHeight) * m_perLine;
    const int end = qMin(characters, (area.bottom() / lineHeight + 1) * m_perLine);

    // The colour a character before the first drawn one left, as an unknown digit keeps it.
    QColor color = Qt::black;
    for (int i = 0; i < first && i < digits.size(); ++i)
        if (const DigitColor c = colorOfDigit(digits[i]); c != DigitColor::Unchanged)
            color = colorOf(c);

    painter.translate(-origin);
    // Characters of one colour in a row go out as one glyph run; one the article font has no glyph
    // for is drawn as text, so that a fallback font shows it.
    QList<quint32> runGlyphs;
    QList<QPointF> runPositions;
    QColor runColor = color;
    const auto flush = [&] {
        if (runGlyphs.isEmpty())
            return;
        QGlyphRun run;
        run.setRawFont(m_rawFont);
        run.setGlyphIndexes(runGlyphs);
        run.setPositions(runPositions);
        painter.setPen(runColor);
        painter.drawGlyphRun(QPointF(), run);
        runGlyphs.clear();
        runPositions.clear();
    };
    for (int i = first; i < end; ++i) {
        if (i < digits.size())
            if (const DigitColor c = colorOfDigit(digits[i]); c != DigitColor::Unchanged)
                color = colorOf(c);
        if (color != runColor) {
            flush();
            runColor = color;
        }
        const QPoint cell = characterCellPosition(i, m_perLine, m_cellHeight);
        const QPoint baseline(cell.x(), cell.y() + m_ascent);
        const quint32 glyph = i < m_glyphs.size() ? m_glyphs.at(i) : 0;
        if (glyph != 0) {
            runGlyphs.append(glyph);
            runPositions.append(baseline);
            continue;
        }
        flush();
        painter.setPen(color);
        painter.drawText(baseline, QString(m_characters.at(i)));
    }
    flush();
    painter.translate(origin);
}

void CCorvelleView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    OnDraw(painter, event->rect());
}

void CCorvelleView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateLayout();
    if (m_testing) {
        m_fullRedraw = true;
        viewport()->update();
    }
}

void CCorvelleView::OnTestStart()
{
    if (!m_document->isLoaded()) {
        afxMessageBox(this, QString::fromUtf8(kNoArticleMessage));
        return;
    }
    m_testing = true;
    rereadShortCodeHint();
    m_typingStatus = initialTypingStatus(wordPattern(), m_document->article().size() / 2);
    m_cursor = 0;
    verticalScrollBar()->setValue(0);
    if (m_settings.autoInputMethod && SwitchKeyboardLayout(1) == 0)
        return;
    viewport()->update();
    createCursorIcon();
    m_cursorTimer.start();
    m_figures.seconds = 0;
    m_clockTimer.start();
    // The time of the character typed before is kept: the first character opens a group anyway.
    m_figures.article = m_document->statistics();
    m_figures.groups = KeystrokeGroups();
    m_figures.typed = 0;
    m_figures.keystrokes = 0;
}

void CCorvelleView::OnFileSave()
{
    if (!m_document->isLoaded()) {
        afxMessageBox(this, QString::fromUtf8(kNoArticleMessage));
        return;
    }
    const QString chosen =
        UiService::instance().saveFileName(this, QString(), QString(), QStringLiteral("存储文件 (*.sav)"));
    if (chosen.isEmpty())
        return;
    const Article article{m_document->article(), m_document->segmentationPattern(),
                          m_document->shortCodePattern(), m_document->statistics()};
    QString error;
    if (!writePracticeFile(practiceFilePath(chosen), article, &error))
        afxMessageBox(this, error);
}

void CCorvelleView::OnUpdateFileSave(CommandState& state) const
{
    state.enabled = m_document->isLoaded() && !m_testing;
}

void CCorvelleView::OnUpdateFileSaveAs(CommandState& state) const
{
    state.enabled = m_teacher && m_document->isLoaded() && !m_testing;
}

void CCorvelleView::createCursorIcon()
{
    destroyCursorIcon();
    m_cursorIcon = new QLabel(viewport());
    m_cursorIcon->setObjectName(QStringLiteral("IDC_CURSOR_ICON"));
    m_cursorIcon->setGeometry(kLeftMargin, kCursorIconTop, kCursorIconSize, kCursorIconSize);
    m_cursorIcon->setAutoFillBackground(true);
    OnCtlColor();
    m_cursorIcon->show();
    m_nextIcon = kFirstCursorIcon;
}

void CCorvelleView::OnCtlColor()
{
    // The icon stands on the article's background.
    if (!m_cursorIcon)
        return;
    QPalette palette = m_cursorIcon->palette();
    palette.setColor(QPalette::Window, colorFromColorRef(m_settings.backgroundColor));
    m_cursorIcon->setPalette(palette);
}

void CCorvelleView::destroyCursorIcon()
{
    delete m_cursorIcon;
}

void CCorvelleView::OnTestEnd()
{
    if (!m_testing)
        return;
    m_cursorTimer.stop();
    m_clockTimer.stop();
    destroyCursorIcon();
    if (m_settings.autoInputMethod && SwitchKeyboardLayout(0) == 0)
        return;
    CloseCodeBook();
    if (m_cursor != 0)
        m_figures.groups.countOpen();
    if (m_figures.seconds > 0 && m_figures.typed > 0) {
        TestResultFigures results = m_figures;
        results.correct = correctCharacters(m_typingStatus, testLength());
        CTestResultDlg dialog(this);
        dialog.ShowResults(results);
    }
    m_testing = false;
    viewport()->update();
}

bool CCorvelleView::isTimerActive(int nIDEvent) const
{
    if (nIDEvent == TIMER_CURSOR_ICON)
        return m_cursorTimer.isActive();
    if (nIDEvent == TIMER_CLOCK)
        return m_clockTimer.isActive();
    return false;
}

void CCorvelleView::OnTimer(int nIDEvent)
{
    if (nIDEvent == TIMER_CURSOR_ICON) {
        if (!m_cursorIcon)
            return;
        m_cursorIcon->setPixmap(m_iconPixmaps[std::size_t(m_nextIcon - kFirstCursorIcon)]);
        m_nextIcon = m_nextIcon == kLastCursorIcon ? kFirstCursorIcon : m_nextIcon + 1;
        const CursorGrid grid(m_perLine);
        m_cursorIcon->move(grid.iconPosition(m_cursor, verticalScrollBar()->value()));
        if (m_fullRedraw) {
            viewport()->update();
            m_fullRedraw = false;
            m_partialRedraw = false;
            return;
        }
        if (m_partialRedraw) {
            if (const auto bands =
                    partialRedrawBands(m_cursor, grid, verticalScrollBar()->value(), viewport()->size())) {
                viewport()->update((*bands)[0]);
                viewport()->update((*bands)[1]);
            } else {
                viewport()->update();
            }
            m_partialRedraw = false;
        }
        return;
    }
    if (nIDEvent == TIMER_CLOCK) {
        ++m_figures.seconds;
        if (timeLimitReached(m_figures.seconds, m_settings.timeLimitOn != 0, m_settings.minutes)) {
            OnTestEnd();
            return;
        }
        m_frame->setPaneText(m_frame->commandToIndex(ID_INDICATOR_CLOCK), clockText(m_figures.seconds));
    }
}

void CCorvelleView::scrollLines(int lines)
{
    const auto action =
        lines > 0 ? QAbstractSlider::SliderSingleStepAdd : QAbstractSlider::SliderSingleStepSub;
    for (int i = qAbs(lines); i > 0; --i)
        verticalScrollBar()->triggerAction(action);
}

void CCorvelleView::moveCursor(CursorMove move)
{
    const CursorStep step = stepCursor(move, m_cursor, CursorGrid(m_perLine), testLength(),
                                       verticalScrollBar()->value(), viewport()->height());
    m_cursor = step.cursor;
    m_partialRedraw = true;
    scrollLines(step.scrollLines);
}

void CCorvelleView::typedCharacter(WPARAM imeChar)
{
    const QByteArray& article = m_document->article();
    const qsizetype at = 2 * qsizetype(m_cursor);
    const bool correct =
        at + 1 < article.size() && typedCharacterMatches(imeChar, article[at], article[at + 1]);
    if (m_cursor < m_typingStatus.size())
        m_typingStatus[m_cursor] = correct ? kTypedCorrectlyDigit : kTypedWronglyDigit;
    moveCursor(CursorMove::Typed);

    const QTime now = Clock::instance().utcNow().time();
    if (m_cursor == 0)
        m_figures.groups.open = 1;
    else
        m_figures.groups.typed(keystrokeGap(m_figures.previousTyped, now));
    m_figures.previousTyped = now;
    ++m_figures.typed;
}

bool CCorvelleView::WindowProc(UINT message, WPARAM wParam, LPARAM)
{
    if (!m_testing)
        return true;
    switch (message) {
    case WM_IME_CHAR:
        typedCharacter(wParam);
        return true;
    case WM_IME_NOTIFY:
        if (wParam == IMN_OPENCANDIDATE) {
            const HIMC context = ImmGetContext(this);
            char composition[20] = {};
            ImmGetCompositionStringA(context, GCS_COMPSTR, composition, 10);
            m_figures.keystrokes += qint32(qstrlen(composition));
            ImmReleaseContext(this, context);
        }
        return true;
    case WM_INPUTLANGCHANGEREQUEST:
        // The test keeps the layout it switched to.
        return !m_settings.autoInputMethod;
    default:
        return true;
    }
}

void CCorvelleView::keyPressEvent(QKeyEvent* event)
{
    UINT virtualKey = 0;
    switch (event->key()) {
    case Qt::Key_F1:
        virtualKey = VK_F1;
        break;
    case Qt::Key_F2:
        virtualKey = VK_F2;
        break;
    case Qt::Key_Backspace:
        virtualKey = VK_BACK;
        break;
    case Qt::Key_Left:
        virtualKey = VK_LEFT;
        break;
    case Qt::Key_Right:
        virtualKey = VK_RIGHT;
        break;
    case Qt::Key_Up:
        virtualKey = VK_UP;
        break;
    case Qt::Key_Down:
        virtualKey = VK_DOWN;
        break;
    default:
        // The view does not scroll by keys; other keys go to the frame.
        event->ignore();
        return;
    }
    OnKeyDown(virtualKey);
}

void CCorvelleView::OnKeyDown(UINT nChar)
{
    if (nChar == VK_F1) {
        OnHelpContents();
        return;
    }
    if (!m_testing)
        return;
    switch (nChar) {
    case VK_BACK: {
        moveCursor(CursorMove::Backspace);
        // The character moved to is neither right nor wrong any more: its word colour comes back.
        rereadShortCodeHint();
        const QByteArray& pattern = wordPattern();
        if (m_cursor < m_typingStatus.size())
            m_typingStatus[m_cursor] = m_cursor < pattern.size() ? pattern[m_cursor] : kEvenWordDigit;
        break;
    }
    case VK_LEFT:
        moveCursor(CursorMove::Left);
        break;
    case VK_RIGHT:
        moveCursor(CursorMove::Right);
        break;
    case VK_UP:
        moveCursor(CursorMove::Up);
        break;
    case VK_DOWN:
        moveCursor(CursorMove::Down);
        break;
    case VK_F2:
        OpenCodeBook();
        ShowCodeHint();
        CloseCodeBook();
        break;
    default:
        break;
    }
}

void CCorvelleView::OnOptions()
{
    COptionsDlg dialog(this);
    if (UiService::instance().execModal(&dialog) != QDialog::Accepted)
        return;
    const SettingsValues& chosen = dialog.values();
    copyColors(chosen, m_settings);
    m_settings.codeHint = chosen.codeHint;
    m_settings.segmentationDisplay = chosen.segmentationDisplay;
    m_settings.autoInputMethod = chosen.autoInputMethod;
    m_settings.timeLimitOn = chosen.timeLimitOn;
    m_settings.minutes = chosen.minutes;
    applySegmentationDisplay();
    OnCtlColor();
    viewport()->update();
}

void CCorvelleView::OnHelpContents()
{
    openWithDesktop(helpFilePath());
}

std::unique_ptr<BookReader> CCorvelleView::openBook(BookKind kind)
{
    BookOpenFailure failure;
    std::unique_ptr<BookReader> book = BookReader::open(kind, programFolder(), &failure);
    if (!book)
        tellBookProblem(this, bookProblem(kind, failure));
    return book;
}

bool CCorvelleView::OpenCodeBook()
{
    if (m_codeBook)
        return true;
    m_codeBook = openBook(BookKind::Code);
    if (!m_codeBook)
        return false;
    m_maxCiLength = m_codeBook->maxWordBytes();
    return true;
}

void CCorvelleView::CloseCodeBook()
{
    m_codeBook.reset();
}

bool CCorvelleView::OpenCustomCodeBook(BookKind kind)
{
    m_customBook = openBook(kind);
    return m_customBook != nullptr;
}

void CCorvelleView::CloseCustomCodeBook()
{
    m_customBook.reset();
}

int CCorvelleView::LookupCode(QByteArrayView text, int bytes)
{
    m_hintCode.clear();
    if (!OpenCodeBook())
        return kBookUnreadable;
    try {
        const BookMatch match = matchCodeBook(*m_codeBook, firstBytes(text, bytes));
        m_hintCode = match.code;
        return match.bytes;
    } catch (const dao::DaoError& error) {
        tellBookProblem(this, bookReadProblem(BookKind::Code, QString::fromUtf8(error.what())));
        return kBookUnreadable;
    }
}

int CCorvelleView::LookupCustomCode(QByteArrayView text, int bytes, int lengthLimit, bool codeWanted)
{
    if (!m_customBook)
        return 0;
    const QByteArrayView window = firstBytes(text, bytes);
    try {
        const BookMatch match = matchWordBook(*m_customBook, window, lengthLimit);
        if (match.bytes == kBookDamaged) {
            afxMessageBox(this, QString::fromUtf8(kWordBookDamagedMessage));
            return kBookDamaged;
        }
        if (codeWanted && match.bytes > 0) {
            m_customCode = match.code;
            m_customWord = window.first(match.bytes).toByteArray();
        }
        return match.bytes;
    } catch (const dao::DaoError& error) {
        tellBookProblem(this, bookReadProblem(m_customBook->kind(), QString::fromUtf8(error.what())));
        return kBookUnreadable;
    }
}

void CCorvelleView::ShowCodeHint()
{
    const QByteArray& article = m_document->article();
    const int maxWordBytes = isCodeBookOpen() ? m_maxCiLength : kDefaultMaxWordBytes;
    const qsizetype bytes = hintWindowBytes(maxWordBytes, m_cursor, article.size() / 2);
    if (bytes <= 0)
        return;
    const QByteArrayView window = QByteArrayView(article).sliced(2 * qsizetype(m_cursor), bytes);

    const int code = isCodeBookOpen() ? LookupCode(window, int(bytes)) : kBookUnreadable;
    HintMatch best{qMax(code, 0), HintSource::CodeBook, m_hintCode};
    if (m_teacher && OpenCustomCodeBook(BookKind::Teacher)) {
        const int teacher = LookupCustomCode(window, int(bytes), maxWordBytes, false);
        best = longerMatch(best, {teacher, HintSource::TeacherBook, {}});
        CloseCustomCodeBook();
    }
    if (m_settings.useCustomBook == 1 && OpenCustomCodeBook(BookKind::Custom)) {
        const int custom = LookupCustomCode(window, int(bytes), maxWordBytes, true);
        best = longerMatch(best, {custom, HintSource::CustomBook, m_customCode});
        CloseCustomCodeBook();
    }
    // Without the code book a text that no user book holds may still have a code: the pane then says
    // nothing rather than that it has none.
    m_frame->setPaneText(0, code >= 0 || best.bytes > 0 ? codeHintText(window, best) : idleMessage());
}
