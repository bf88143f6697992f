#include "handlers/psr9000/Psr9000StyleTable.h"

#include <array>

#include "common/Format.h"
#include "handlers/psr9000/Psr9000Record.h"

namespace kalivo {

using namespace psr9000;

namespace {

constexpr std::array<const char*, kFirstUserStyle> kPresets{
    "Heart Beat",  "8 Beat 1",    "8 Beat 2",    "8 Beat 3",    "8 Beat 4",    "6/8SlowRock", "Spicy Beat",
    "8Beat Adria", "Off Beat",    "8BeatRock1",  "PianoBallad", "Gtr Ballad",  "OrganBallad", "Love Song",
    "8Bt Ballad1", "AcousticBld", "Modern 6/8",  "Root Rock 1", "Soft Rock",   "Hard Rock",   "16 Beat 1",
    "16 Beat 2",   "16 Beat 3",   "16 Beat 4",   "Slow & Easy", "Smooth Jazz", "Uptown Beat", "Jazz Rock",
    "KoolShuffle", "W.EndShffle", "House Musik", "DJ Berlin",   "Trance 1",    "Hip Hop",     "Trip Hop",
    "DiscoChoco",  "70's Disco1", "Sat.Night",   "Disco Fox",   "TechnoPolis", "Euro Shop",   "Entrance",
    "Clubdance",   "Flip Hop",    "Disco Samba", "Big Band 1",  "Big Band 2",  "Big Band 3",  "Swing 1",
    "Swing 2",     "AcoustcJazz", "ElectrcJazz", "JazzBallad1", "Gypsy Swing", "Swingfox",    "Dixieland",
    "Ragtime",     "BBandBallad", "Shuffle",     "Piano Swing", "SoulShuffle", "Soul",        "Modern R&B",
    "Rock & Roll", "Croco Twist", "GospelBros",  "GospelSis",   "GosplShffle", "6/8 Blues",   "Boogie 1",
    "AmazinGospl", "BberryBlues", "60's R&Roll", "FunkyFusion", "RockShuffle", "CountryRock", "Country 2/4",
    "CntrySwing1", "C.Shuffle 1", "CntryBallad", "Cntry Waltz", "Bluegrass 1", "Hoedown",     "C.Brothers",
    "Guitar Pop",  "Samba City",  "Samba Rio",   "Bossa Nova",  "Fast Bossa",  "Mambo 1",     "Caribbean",
    "Carnival",    "Gypsy Rumba", "Pop Rumba",   "ShriffRggae", "US March",    "Ger.March 1", "6/8 March",
    "Ober Polka",  "Ober Walzer", "G.Serenade",  "Tarantella1", "Polka Pop 1", "Jazz Waltz",  "Slow Waltz",
    "ViennaWaltz", "Engl.Waltz",  "Slowfox 1",   "Quickstep",   "Tango",       "Samba",       "Rumba",
    "Cha Cha Cha", "Pasodoble 1", "Jive",        "Metronom1/4", "Metronom2/4", "Metronom3/4", "Metronom4/4",
    "Metronom6/8", "B.C.Hold 1",  "B.C.Hold 2",  "B.C.Hold 3",  "B.C.Hold 4",  "B.C.Hold 5",
};

constexpr std::size_t kFlashStylesPerBank = 15;

}  // namespace

bool Psr9000StyleTable::IsUserStyle(std::uint8_t number) {
    return number >= kFirstUserStyle && number < kFirstUserStyle + kUserStyleCount;
}

std::string Psr9000StyleTable::Name(std::uint8_t number) {
    if (number < kFirstUserStyle) {
        return kPresets[number];
    }
    if (!IsUserStyle(number)) {
        return "?";
    }
    const std::size_t user = number - kFirstUserStyle;
    return FormatNumbers("Flash %i/%i", static_cast<int>(user / kFlashStylesPerBank + 1),
                         static_cast<int>(user % kFlashStylesPerBank + 1));
}

}  // namespace kalivo
