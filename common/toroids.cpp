#include "toroids.h"

#include "controls.h"

#include <algorithm>

namespace {
// The cores, one a row, size by size and by increasing mix; the comment is the position in the list.
// The small sizes come in almost every mix, the largest only in mix 2 (HF power) and 26 (mains).
//
// T-50 in mix 15 is carried at 135, in line with the mix-15 cores of the sizes around it (T-37 90,
// T-44 160, T-68 180) and below its mix 3 (175), as mix 15 stands below mix 3 in every size; a
// figure near 1350 would be the AL of no iron powder.
constexpr ToroidCore cores[] = {
    {"12",    0,      3}, //   0
    {"12",    1,     48}, //   1
    {"12",    2,     20}, //   2
    {"12",    3,     60}, //   3
    {"12",    6,     17}, //   4
    {"12",    7,     18}, //   5
    {"12",   10,     12}, //   6
    {"12",   12,    7.5}, //   7
    {"12",   15,     50}, //   8
    {"12",   17,    7.5}, //   9

    {"16",    0,      3}, //  10
    {"16",    1,     44}, //  11
    {"16",    2,     22}, //  12
    {"16",    3,     61}, //  13
    {"16",    6,     19}, //  14
    {"16",   10,     13}, //  15
    {"16",   12,      8}, //  16
    {"16",   15,     55}, //  17
    {"16",   17,      8}, //  18
    {"16",   26,    145}, //  19

    {"20",    0,    3.5}, //  20
    {"20",    1,     52}, //  21
    {"20",    2,     27}, //  22
    {"20",    3,     76}, //  23
    {"20",    6,     22}, //  24
    {"20",    7,     24}, //  25
    {"20",   10,     16}, //  26
    {"20",   12,     10}, //  27
    {"20",   15,     65}, //  28
    {"20",   17,     10}, //  29
    {"20",   26,    180}, //  30

    {"25",    0,    4.5}, //  31
    {"25",    1,     70}, //  32
    {"25",    2,     34}, //  33
    {"25",    3,    100}, //  34
    {"25",    6,     27}, //  35
    {"25",    7,     29}, //  36
    {"25",   10,     19}, //  37
    {"25",   12,     12}, //  38
    {"25",   15,     85}, //  39
    {"25",   17,     12}, //  40
    {"25",   26,    235}, //  41

    {"30",    0,      6}, //  42
    {"30",    1,     85}, //  43
    {"30",    2,     43}, //  44
    {"30",    3,    140}, //  45
    {"30",    6,     36}, //  46
    {"30",    7,     37}, //  47
    {"30",   10,     25}, //  48
    {"30",   12,     16}, //  49
    {"30",   15,     93}, //  50
    {"30",   17,     16}, //  51
    {"30",   26,    325}, //  52

    {"37",    0,    4.9}, //  53
    {"37",    1,     80}, //  54
    {"37",    2,     40}, //  55
    {"37",    3,    120}, //  56
    {"37",    6,     30}, //  57
    {"37",    7,     32}, //  58
    {"37",   10,     25}, //  59
    {"37",   12,     15}, //  60
    {"37",   15,     90}, //  61
    {"37",   17,     15}, //  62
    {"37",   26,    275}, //  63

    {"44",    0,    6.5}, //  64
    {"44",    1,    105}, //  65
    {"44",    2,     52}, //  66
    {"44",    3,    180}, //  67
    {"44",    6,     42}, //  68
    {"44",    7,     46}, //  69
    {"44",   10,     33}, //  70
    {"44",   12,   18.5}, //  71
    {"44",   15,    160}, //  72
    {"44",   17,   18.5}, //  73
    {"44",   26,    360}, //  74

    {"50",    0,    6.4}, //  75
    {"50",    1,    100}, //  76
    {"50",    2,     49}, //  77
    {"50",    3,    175}, //  78
    {"50",    6,     40}, //  79
    {"50",    7,     43}, //  80
    {"50",   10,     31}, //  81
    {"50",   12,     18}, //  82
    {"50",   15,    135}, //  83
    {"50",   17,     18}, //  84
    {"50",   26,    320}, //  85

    {"68",    0,    7.5}, //  86
    {"68",    1,    115}, //  87
    {"68",    2,     57}, //  88
    {"68",    3,    195}, //  89
    {"68",    6,     47}, //  90
    {"68",    7,     52}, //  91
    {"68",   10,     32}, //  92
    {"68",   12,     21}, //  93
    {"68",   15,    180}, //  94
    {"68",   17,     21}, //  95
    {"68",   26,    420}, //  96

    {"80",    0,    8.5}, //  97
    {"80",    1,    115}, //  98
    {"80",    2,     55}, //  99
    {"80",    3,    180}, // 100
    {"80",    6,     45}, // 101
    {"80",    7,     50}, // 102
    {"80",   10,     32}, // 103
    {"80",   12,     22}, // 104
    {"80",   15,    170}, // 105
    {"80",   17,     22}, // 106
    {"80",   26,    450}, // 107

    {"94",    0,   10.6}, // 108
    {"94",    1,    160}, // 109
    {"94",    2,     84}, // 110
    {"94",    3,    248}, // 111
    {"94",    6,     70}, // 112
    {"94",   10,     58}, // 113
    {"94",   12,     32}, // 114
    {"94",   15,    200}, // 115
    {"94",   26,    590}, // 116

    {"106",   0,     19}, // 117
    {"106",   1,    325}, // 118
    {"106",   2,    135}, // 119
    {"106",   3,    450}, // 120
    {"106",   6,    116}, // 121
    {"106",   7,    133}, // 122
    {"106",  15,    345}, // 123
    {"106",  26,    900}, // 124

    {"130",   0,     15}, // 125
    {"130",   1,    200}, // 126
    {"130",   2,    110}, // 127
    {"130",   3,    350}, // 128
    {"130",   6,     96}, // 129
    {"130",   7,    103}, // 130
    {"130",  15,    250}, // 131
    {"130",  26,    785}, // 132

    {"157",   1,    320}, // 133
    {"157",   2,    140}, // 134
    {"157",   3,    420}, // 135
    {"157",   6,    115}, // 136
    {"157",  15,    360}, // 137
    {"157",  26,    970}, // 138

    {"184",   1,    500}, // 139
    {"184",   2,    240}, // 140
    {"184",   3,    720}, // 141
    {"184",   6,    195}, // 142
    {"184",  26,   1640}, // 143

    {"200",   1,    250}, // 144
    {"200",   2,    120}, // 145
    {"200",   3,    425}, // 146
    {"200",   6,    100}, // 147
    {"200",   7,    105}, // 148
    {"200",  26,    895}, // 149

    {"200A",  2,    218}, // 150
    {"200A",  3,    460}, // 151
    {"200A",  6,    180}, // 152
    {"200A", 26,   1550}, // 153

    {"225",   2,    120}, // 154
    {"225",   3,    425}, // 155
    {"225",   6,    100}, // 156
    {"225",  26,    950}, // 157

    {"225A",  2,    215}, // 158
    {"225A", 26,   1600}, // 159

    {"300",   2,    114}, // 160
    {"300",  26,    800}, // 161

    {"300A",  2,    228}, // 162
    {"300A", 26,   1600}, // 163

    {"400",   2,    185}, // 164
    {"400",  26,   1300}, // 165

    {"400A",  2,    360}, // 166
    {"400A", 26,   2600}, // 167

    {"520",   2,    207}, // 168
    {"520",  26,   1460}, // 169
};
static_assert(std::size(cores) == 170);

// The outer diameter and height of each size, and where its cores stand in the list.
constexpr ToroidSize sizes[] = {
    {"12",     0,   9, "DIAMETRO ESTERNO 3,18 mm - ALTEZZA 1,27 mm"},
    {"16",    10,  19, "DIAMETRO ESTERNO 4,06 mm - ALTEZZA 1,52 mm"},
    {"20",    20,  30, "DIAMETRO ESTERNO 5,08 mm - ALTEZZA 1,78 mm"},
    {"25",    31,  41, "DIAMETRO ESTERNO 6,35 mm - ALTEZZA 2,44 mm"},
    {"30",    42,  52, "DIAMETRO ESTERNO 7,80 mm - ALTEZZA 3,25 mm"},
    {"37",    53,  63, "DIAMETRO ESTERNO 9,53 mm - ALTEZZA 3,25 mm"},
    {"44",    64,  74, "DIAMETRO ESTERNO 11,18 mm - ALTEZZA 4,04 mm"},
    {"50",    75,  85, "DIAMETRO ESTERNO 12,70 mm - ALTEZZA 4,83 mm"},
    {"68",    86,  96, "DIAMETRO ESTERNO 17,53 mm - ALTEZZA 4,83 mm"},
    {"80",    97, 107, "DIAMETRO ESTERNO 20,20 mm - ALTEZZA 6,35 mm"},
    {"94",   108, 116, "DIAMETRO ESTERNO 23,93 mm - ALTEZZA 7,92 mm"},
    {"106",  117, 124, "DIAMETRO ESTERNO 26,92 mm - ALTEZZA 11,1 mm"},
    {"130",  125, 132, "DIAMETRO ESTERNO 33,02 mm - ALTEZZA 11,1 mm"},
    {"157",  133, 138, "DIAMETRO ESTERNO 39,88 mm - ALTEZZA 14,48 mm"},
    {"184",  139, 143, "DIAMETRO ESTERNO 46,74 mm - ALTEZZA 18,03 mm"},
    {"200",  144, 149, "DIAMETRO ESTERNO 50,8 mm - ALTEZZA 13,97 mm"},
    {"200A", 150, 153, "DIAMETRO ESTERNO 50,8 mm - ALTEZZA 25,40 mm"},
    {"225",  154, 157, "DIAMETRO ESTERNO 57,15 mm - ALTEZZA 13,97 mm"},
    {"225A", 158, 159, "DIAMETRO ESTERNO 57,15 mm - ALTEZZA 25,40 mm"},
    {"300",  160, 161, "DIAMETRO ESTERNO 76,20 mm - ALTEZZA 12,7 mm"},
    {"300A", 162, 163, "DIAMETRO ESTERNO 76,20 mm - ALTEZZA 25,4 mm"},
    {"400",  164, 165, "DIAMETRO ESTERNO 101,6 mm - ALTEZZA 16,51 mm"},
    {"400A", 166, 167, "DIAMETRO ESTERNO 101,6 mm - ALTEZZA 25,4 mm"},
    {"520",  168, 169, "DIAMETRO ESTERNO 132,08 mm - ALTEZZA 20,32 mm"},
};

// Each mix is painted in two colours; the range is the band where the core keeps a good Q (MHz,
// mix 26 is for 50 Hz mains filters).
constexpr ToroidMix mixes[] = {
    {  0, "              MARRONE          GRIGIO             100 / 300"},
    {  1, "                BLU                   GRIGIO              0.5 / 5"},
    {  2, "               ROSSO              GRIGIO               2 / 30"},
    {  3, "               GRIGIO             GRIGIO             0.05 / 0.5"},
    {  6, "               GIALLO             GRIGIO              10 / 50"},
    {  7, "               BIANCO              GRIGIO              3 / 35"},
    { 10, "                NERO               GRIGIO              30 / 100"},
    { 12, "                VERDE            BIANCO             50 / 200"},
    { 15, "                ROSSO            BIANCO              0.1 / 2"},
    { 17, "                BLU                GIALLO             20 / 200"},
    { 26, "               GIALLO             BIANCO             50 HERTZ"},
};
} // namespace

std::span<const ToroidCore> toroidCores() { return cores; }
std::span<const ToroidSize> toroidSizes() { return sizes; }
std::span<const ToroidMix> toroidMixes() { return mixes; }

QString toroidListText(const ToroidCore& core)
{
    return QStringLiteral("T-") + QString::fromLatin1(core.size) + QLatin1Char('/')
           + QStringLiteral("%1").arg(core.mix, 2, 10, QLatin1Char(' '));
}

QString toroidDimensions(int position)
{
    for (const ToroidSize& s : sizes)
        if (position >= s.first && position <= s.last)
            return QString::fromLatin1(s.dimensions);
    return QString();
}

QString toroidColourRow(int position)
{
    // The row begins with the mix as the list shows it, the blank of a one-digit mix included.
    const ToroidCore& core = cores[position];
    const auto row = std::find_if(std::begin(mixes), std::end(mixes), [&](const ToroidMix& m) { return m.mix == core.mix; });
    return toroidListText(core).right(2) + (row != std::end(mixes) ? QString::fromLatin1(row->colours) : QString());
}

ToroidDisplay::ToroidDisplay(Combo* list, Frame* colourFrame, Label* header, Label* colourRow, Label* dimensions,
                             std::initializer_list<Label*> results)
    : list_(list), colourFrame_(colourFrame), header_(header), colourRow_(colourRow), dimensions_(dimensions),
      results_(results)
{
    list_->setToolTip(QStringLiteral("CLICCARE E TASTI CURSORE O MOUSE"));
    // Typing into the list is allowed but chooses nothing: no completion to an entry, and no choice
    // of the entry whose text was typed when the typing ends (Qt's own habit), so the stored AL and
    // the colour frame always belong to a core chosen from the list.
    if (list_->lineEdit()) {
        list_->setCompleter(nullptr);
        QObject::disconnect(list_->lineEdit(), &QLineEdit::editingFinished, list_, nullptr);
    }
}

void ToroidDisplay::fill()
{
    list_->clear();
    for (const ToroidCore& core : cores)
        list_->addItem(toroidListText(core));
    list_->setCurrentIndex(-1);
    list_->setText(QStringLiteral("TOROIDI"));
}

void ToroidDisplay::showChosen()
{
    const int chosen = list_->currentIndex();
    if (chosen < 0 || chosen >= int(std::size(cores)))
        return;
    for (Label* result : results_)
        result->setText(QString());
    position_ = std::int16_t(chosen);
    al_ = cores[chosen].al;
    header_->setText(toroidColourHeader);
    colourRow_->setText(toroidColourRow(chosen));
    dimensions_->setText(toroidDimensions(chosen));
    colourFrame_->show();
}
