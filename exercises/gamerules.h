// The falling-codes game's rules: the play field's measures, the two modes, the score bands, the
// hint's sway and the speed the difficulty bar sets. Lengths are in twips, as the field measures them.
#pragma once

#include <QString>

namespace exercises::game {

inline constexpr int kItemCount = 50;
inline constexpr int kFieldWidth = 6255;
inline constexpr int kFieldHeight = 4695;
inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kFallStep = 100;        // an item's fall per step
inline constexpr int kItemSpacing = 500;     // how far above the one before it an item starts
inline constexpr int kFirstItemRange = 5000; // the first item's left edge lies below this
inline constexpr int kItemRange = 6000;      // every other item's right edge lies below this
inline constexpr int kHitScore = 2;
inline constexpr int kStarCount = 325;

// Timer intervals in milliseconds.
inline constexpr int kFallInterval = 400;
inline constexpr int kSwayInterval = 200;
inline constexpr int kStarInterval = 10;

// The difficulty bar: its value is the fall interval, slow at the top, fast at the bottom.
inline constexpr int kEasiest = 800;
inline constexpr int kHardest = 200;
inline constexpr int kBarStart = 500;
inline constexpr int kBarSmallChange = 50;
inline constexpr int kBarLargeChange = 100;

// The hint beside the answer box.
inline constexpr int kHintStartLeft = 120;
inline constexpr int kHintStep = 100;
inline constexpr int kHintTurnRight = 750; // at or past this it turns back left
inline constexpr int kHintTurnLeft = 50;   // at or below this it turns right again

// What the window looks like in a mode, chosen by the exercise title.
struct GameMode
{
    bool showsCharacters = false; // the items show their character or word, else their code
    double fontSize = 15;         // of the falling items, in points
    int instructions = 13;        // string resource
    int icon = 103;               // icon resource
};
GameMode gameModeFor(const QString& exerciseTitle);

// The remark on a final score.
QString scoreRemark(int score);
// The text of the message that ends a game.
QString gameOverText(int score);

// The hint's sway interval for a fall interval: half of it, halves going to the even neighbour.
int swayIntervalFor(int fallInterval);

struct Sway
{
    int left = kHintStartLeft;
    bool swayRight = false; // set while the hint moves back left
    bool operator==(const Sway&) const = default;
};
// The hint's next position.
Sway swayStep(Sway sway);

// VB's Trim: blanks off both ends, nothing else.
QString trimBlanks(const QString& text);

} // namespace exercises::game
