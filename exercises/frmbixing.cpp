#include "exercises/frmbixing.h"

#include "exercises/drilltexts.h"
#include "exercises/keyhandlers.h"
#include "platform/dao.h"
#include "shell/module1.h"
#include "shell/uifonts.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>

namespace exercises {
namespace {

using namespace texts;

const QColor kWhite(255, 255, 255);
const QColor kRed(255, 0, 0);
constexpr int kTries = 3;

// A picture cell of the 8 × 4 grid: the picture square with its answer box under it.
constexpr int kCellWidth = TimedRunWindow::kDrillAreaWidth / Frmbixing::kColumns;
constexpr int kCellHeight = TimedRunWindow::kDrillAreaHeight / (Frmbixing::kPageSize / Frmbixing::kColumns);
constexpr int kPictureSide = 68; // the stored pictures are 64 pixels, inside a one-pixel frame
constexpr int kBoxHeight = 24;

const TimedRun& pictureDrillRun()
{
    static const TimedRun run = [] {
        TimedRun r;
        r.windowName = QStringLiteral("Frmbixing");
        r.lessons = catalogueLessons(r.windowName);
        r.prompt = kPromptDigits.toString();
        r.soundAtEnd = kSoundComplete.toString();
        r.minutesAtStart = MinutesAtStart::ShowDefault;
        // Answers are digits: the keyboard stays on US English for the whole run.
        r.inputMethodDuringRun = false;
        r.englishOnExitButton = true;
        r.checksTimeBoxOnLeave = false;
        r.timeBoxMaxLength = 0;
        return r;
    }();
    return run;
}

} // namespace

Frmbixing::Frmbixing(QWidget* parent) : TimedRunWindow(pictureDrillRun(), parent)
{
    m_itemCodes.resize(kPageSize);
    buildDrillArea();
    // The keypad's navigation keys type digits even with NumLock off. The key handler's filter sits
    // on each box before the keypad procedure, so it sees keys as the procedure hands them on.
    for (int i = 0; i < kPageSize; ++i)
        m_oldTextProcs.append(installKeypadProcedure(answerBox(i)));
    Form_Load();
}

Frmbixing::~Frmbixing() = default;

void Frmbixing::buildDrillArea()
{
    QFrame* area = drillArea();
    const QFont boxFont = shell::songTi(14);
    for (int k = 0; k < kPageSize; ++k) {
        const int left = (k % kColumns) * kCellWidth;
        const int top = (k / kColumns) * kCellHeight;

        auto* picture = new QLabel(area);
        picture->setObjectName(QStringLiteral("Image1_%1").arg(k));
        picture->setFrameStyle(QFrame::Box | QFrame::Plain);
        picture->setAlignment(Qt::AlignCenter);
        picture->setFont(shell::songTi(16, true));
        picture->setGeometry(left + (kCellWidth - kPictureSide) / 2, top + 2, kPictureSide, kPictureSide);
        picture->hide();
        m_image1.append(picture);

        auto* box = new QLineEdit(area);
        box->setObjectName(QStringLiteral("Text1_%1").arg(k));
        box->setFont(boxFont);
        box->setAlignment(Qt::AlignCenter);
        box->setGeometry(left + (kCellWidth - kPictureSide) / 2, top + kPictureSide + 4, kPictureSide,
                         kBoxHeight);
        box->setEnabled(false);
        box->hide();
        box->setProperty("pictureIndex", k);
        box->installEventFilter(this);
        addAnswerBox(box);
    }
}

bool Frmbixing::LoadDrillPage()
{
    // A row without a code cannot be answered and is passed over.
    QList<QString> codes;
    QList<QByteArray> pictures;
    const auto page = drawRows([&](std::int32_t position) {
        const platform::dao::Recordset& row = lessonRowAt(position);
        const QString code = row.text(QStringLiteral("bianma"));
        if (code.trimmed().isEmpty())
            return false;
        const QVariant picture = row.field(QStringLiteral("picture"));
        codes.append(code);
        pictures.append(picture.toByteArray());
        return true;
    });
    if (!page)
        return false;

    for (int k = 0; k < kPageSize; ++k) {
        m_itemCodes[k] = codes[k];
        showPicture(k, pictures[k]);
        m_image1[k]->setToolTip(codes[k]);
        QLineEdit* box = answerBox(k);
        box->setEnabled(false);
        setBoxColour(box, kWhite);
        box->clear();
        box->setMaxLength(static_cast<int>(codes[k].size()));
    }
    Module1::ActivateEnglishLayout();
    return true;
}

void Frmbixing::showPicture(int k, const QByteArray& picture)
{
    QLabel* label = m_image1[k];
    QPixmap pixmap;
    if (picture.isEmpty() || !pixmap.loadFromData(picture)) {
        // Something to answer rather than an empty frame: the code the picture stands for.
        label->setText(m_itemCodes[k]);
        return;
    }
    const QSize room = label->contentsRect().size();
    if (pixmap.width() > room.width() || pixmap.height() > room.height())
        pixmap = pixmap.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    label->setPixmap(pixmap);
}

void Frmbixing::runStarting()
{
    // Wrong tries left over from a stopped run do not count against the first picture of this one.
    m_missCount = 0;
    for (int k = 0; k < kPageSize; ++k) {
        m_image1[k]->show();
        answerBox(k)->show();
    }
}

void Frmbixing::runStopped()
{
    for (int k = 0; k < kPageSize; ++k) {
        m_image1[k]->hide();
        QLineEdit* box = answerBox(k);
        box->hide();
        setBoxColour(box, kWhite);
        box->setEnabled(false);
        box->clear();
    }
}

void Frmbixing::leaveConfirmed()
{
    for (int k = 0; k < kPageSize; ++k)
        restoreWindowProcedure(answerBox(k), m_oldTextProcs[k]);
}

void Frmbixing::Text1_KeyUp(int Index, int KeyCode, int /*Shift*/)
{
    QLineEdit* box = answerBox(Index);
    const QString& code = m_itemCodes[Index];
    const bool space = KeyCode == int(platform::VK_SPACE);
    if (box->text().size() != code.size() && !space)
        return;

    if (box->text() == code) {
        countAnswer(1, 1);
    } else {
        ++m_missCount;
        if (!space && m_missCount != kTries) {
            box->clear(); // another try in the same box
            return;
        }
        // Given up, or the last try missed: the right code in red.
        setBoxColour(box, kRed);
        box->setText(code);
        countAnswer(1, 0);
    }
    m_missCount = 0;
    box->setEnabled(false);
    moveOn(Index);
}

bool Frmbixing::eventFilter(QObject* watched, QEvent* event)
{
    if (const auto key = handlerKey(*event); key && !key->down) {
        const QVariant index = watched->property("pictureIndex");
        if (index.isValid())
            Text1_KeyUp(index.toInt(), key->keyCode, key->shift);
    }
    return TimedRunWindow::eventFilter(watched, event);
}

} // namespace exercises
