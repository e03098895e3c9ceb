// SPDX-License-Identifier: GPL-3.0-or-later
#include "sign_catalogue.h"

#include "card_catalogue.h"

namespace deck {
namespace {

// The one card whose text here differs from the card catalogue's.
constexpr std::string_view kHighPriestessText =
    "She is designated as the source of life itself. She asks us to seek our inner peace and emits an "
    "abundance of love for life to share with others. If we are avoiding a decision we should spend "
    "time in mediation to conclude our business. Number 2.";

// Keyword lines are data: every asterisk and its run length is shown as is.
// One row per card, kept one text per line to read as a table.
// clang-format off
constexpr std::array<SignRow, kSignCount> kRows{{
    {"Fool", 78,
     "********SILENT_FORCE********INNOCENT***********ELEMENT_AIR********INFANTILE****************SELDOM_TALKS*****SEEKER*****NATURAL*****SURPRISING*****",
     {}}, // 0
    {"Magician", 1,
     "*************MASCULINE*************SIMPLE*********PHALLUS(CARD_NO_1)*****STRONG_WILL*******ELEMENT_AIR*****ANALITIC********************CREATIVITY*****WARRIOR***********",
     {}}, // 1
    {"High Priestess", 2,
     "****ELEMENT_WATER****MYSTERIOUS****CALM*******UNEMOTIONAL*****COMPREHENSIVE****",
     kHighPriestessText}, // 2
    {"Empress", 3,
     "*****NATURAL*****REBIRTH*****MOTHER**********SEXUALITY*****ELEMENT_EARTH*********************SEXUAL_DESIRE*****ENERGY*********************CREATIVITY******",
     {}}, // 3
    {"Emperor", 4,
     "*****LANGUAGE*****THE_LAW*****STABILITY*************ELEMENT_FIRE*****STRONG_SEXUALITY*************AGRESSIVE*****ARROGANT**********YOUNG**********OPTIMIST*****",
     {}}, // 4
    {"Hierophant", 5,
     "*************RELIGIOUS**********SORCERER*************HIGH_PRIEST*****ELEMENT_EARTH**********THE_POPE*****",
     {}}, // 5
    {"Lovers", 6,
     "*************BEAUTY*************SWORD*************ELEMENT_FIRE_AND_WATER(MALE_FEMALE)*************SEXUAL_DESIRE*****THE_EARTH******************************EQUALITY*******************",
     {}}, // 6
    {"Chariot", 7,
     "*****VICTOIRY*****************FENCED_IN***********************SIGN(CANCER)*****THE_GRAIL********FEAR*****WILL_POWER_TO_CONTINUE*****",
     {}}, // 7
    {"Strength", 8,
     "*****INTERIOR_STRENGTH*****CONFIDENCE***************SIGN_(LEO)*****LOVE*****KIND*******************OPEN*****",
     {}}, // 8
    {"Hermit", 9,
     "*****WISDOM*****INTROVERT*****SIGN_(VIRGO)***POWERFUL_DREAMS**INTERIOR_CREATIVITY**********OUTSIDE_THE_NORME*****",
     {}}, // 9
    {"Wheel of Fortune", 10,
     "*****GOOD_LUCK*****CHANGE************************CONTROLLER_OF_DESTINY***********************************SMELL_THE_FLOWERS*************WILL_POWER_TO_REBUILD*****************",
     {}}, // 10
    {"Justice", 11,
     "*********************EXAMINE_OUR_EXISTENCE*****BAD_RELATIONSHIP*****SIGN_(LIBRA)*******************TO_ANALYSE*****SCALES*****",
     {}}, // 11
    {"Hanged Man", 12,
     "***THOUGHT***MEMOIRY***INDEPENDENCE*****SPIRITUAL_INSIGHT*****ATTACHES EASILY*****",
     {}}, // 12
    {"Death", 13,
     "****************OPPORTUNITY**********************FORGET_ANCIENT_IDEAS*************************SIGN_(SCORPIO)*****MORTALITY*****",
     {}}, // 13
    {"Alchemy", 14,
     "*****MODERATION*****TAKE_CONTROL****************SIGN_(SAGITTARIUS)*****MESURING_CUP**********COMBINATION*****",
     {}}, // 14
    {"The Devil", 15,
     "*********TEMPTATION*********EXCITABLE********************SIGN_(CAPRICORN)***DANGEROUS*******FORBIDDEN*****SELF_SASTISFACTION*****",
     {}}, // 15
    {"The Tower", 16,
     "*****DESTRUCTIVE_ACTIVITES_****PRESSURE*********EXPLOSIVE_EMOTIONS********NEWS*****************UNDERSTANDING*****",
     {}}, // 16
    {"Star", 17,
     "*************RENEWAL***************REALITY******SIGN_(AQUARIUS)*****HOPEFULNESS********************HUMILITY*****",
     {}}, // 17
    {"The Moon", 18,
     "*****PEACE*****ILLUSIONS*****SIGN_(PISCES)*********FANTASIES********CREATIVITY**********************VERY_DISTINCT_DREAMS*****",
     {}}, // 18
    {"The Sun", 19,
     "*****SIMPLICITY*****JOY_OF_LIFE*****ENERGY*******OPTOMIST********CONFIDENCE*************************SEXUAL_DESIRE*****",
     {}}, // 19
    {"Aeon", 20,
     "*****OLD_IDEAS_TO_NEW_IDEAS************************EVERYTHING_IS_POSSIBLE****REJUVINATION*****SPONTANAIETY",
     {}}, // 20
    {"The Universe", 21,
     "*****NEW_LIFE*****SUCCESS***SATISFACTION*****JUSTIFICATION*****POSITIVE_FUTURE***********************RECUPERATION_OF_BAD_HEALTH*****",
     {}}, // 21
}};
// clang-format on

} // namespace

const std::array<SignRow, kSignCount>& signCatalogue()
{
    return kRows;
}

std::string_view signDescription(std::int16_t sign)
{
    const SignRow& row = kRows[static_cast<std::size_t>(sign)];
    return row.ownDescription.empty() ? cardRow(sign).description : row.ownDescription;
}

} // namespace deck
