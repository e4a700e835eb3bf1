#pragma once
// The iron-powder toroids of the T series, shared by the windows that wind a coil on one of them:
// the catalogue of cores with their inductance factor AL, the colour code of each powder mix, the
// dimensions of each size, and the list with its colour frame that shows the chosen core.
//
// AL is the inductance in microhenry of 100 turns, so a winding of L microhenry needs
// 100 * sqrt(L / AL) turns.

#include "real.h"

#include <QString>

#include <cstdint>
#include <initializer_list>
#include <span>
#include <vector>

class Combo;
class Frame;
class Label;

struct ToroidCore {
    const char* size; // "12", "200A", ...
    int mix;          // powder mix number
    Real al;          // microhenry per 100 turns
};

struct ToroidSize {
    const char* size;
    int first;              // positions in the catalogue, from 0
    int last;
    const char* dimensions; // decimal commas belong to the text, whatever the regional settings
};

struct ToroidMix {
    int mix;
    const char* colours; // the two colours and the frequency range, spaced to stand under the header
};

// In list order: size by size, and by increasing mix within a size.
std::span<const ToroidCore> toroidCores();
std::span<const ToroidSize> toroidSizes();
std::span<const ToroidMix> toroidMixes();

// "T-" size "/" mix right-aligned in two characters: "T-12/ 0", "T-200A/ 2", "T-520/26".
QString toroidListText(const ToroidCore& core);
// The dimension text of the size that holds a position of the list.
QString toroidDimensions(int position);
// The mix of the list text (its last two characters) followed by that mix's colours.
QString toroidColourRow(int position);

// The column header above the colour row.
inline const QString toroidColourHeader = QStringLiteral(" MISCELA     1° COLORE       2° COLORE       FREQ. MHz");

// The list of cores of a window and what shows the chosen one: the colour frame with its header and
// colour row, and the dimension caption. The window keeps the chosen core here; its calculations use
// the AL stored at the last choice, whatever has been typed into the list since.
class ToroidDisplay {
public:
    ToroidDisplay(Combo* list, Frame* colourFrame, Label* header, Label* colourRow, Label* dimensions,
                  std::initializer_list<Label*> results);

    // Fills the list with the whole catalogue; nothing is chosen and the list reads "TOROIDI".
    void fill();
    // The choice of the entry the list shows: empties the results, keeps the core, writes the
    // header, the colour row and the dimensions, and shows the frame.
    void showChosen();

    std::int16_t position() const { return position_; }
    Real al() const { return al_; }

private:
    Combo* list_;
    Frame* colourFrame_;
    Label* header_;
    Label* colourRow_;
    Label* dimensions_;
    std::vector<Label*> results_;
    std::int16_t position_ = -1;
    Real al_;
};
