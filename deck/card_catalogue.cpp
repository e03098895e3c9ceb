// SPDX-License-Identifier: GPL-3.0-or-later
#include "card_catalogue.h"

#include <algorithm>

namespace deck {
namespace {

// One row per card, kept one text per line to read as a table.
// clang-format off
constexpr std::array<CardRow, kCardCount> kRows{{
    {"Fool", "Fool", 78,
     "The Fool is the speaker of truths. He urges you to take advantage of new found situations. He wants you to follow your feelings, act impulsivly and treat new scenarios with excitement. Don't be afraid to take a chance if the situation merits it and the prospects are rewarding. Number 0."}, // 0
    {"Magician", "Magician", 1,
     "The Magician stands at the start of the work with all four tools before him. This card denotes skill, will and the power to turn an idea into a deed. You have what you need. Begin now and trust your own hands. Number 1."}, // 1
    {"High Priestess", "High Priestess", 2,
     "She is the designated as the source of life itself. She asks us to seek our inner peace and emits an abundance of love for life to share with others. If we are avoiding a decision we should spend time in mediation to conclude our business. Number 2."}, // 2
    {"Empress", "Empress", 3,
     "The Empress sits in a green and fruitful garden. This card denotes abundance, motherhood and the growth of all things planted with care. Love given freely comes back to you. Let your ideas ripen in their own season. Number 3."}, // 3
    {"Emperor", "Emperor", 4,
     "The Emperor rules from a throne of stone. This card denotes order, authority and a firm hand that builds and protects. Set your house in order and make your plans clear. A father or a leader may offer you steady help. Number 4."}, // 4
    {"Hierophant", "Hierophant", 5,
     "The Hierophant is the keeper of old wisdom and the bridge between heaven and earth. This card denotes teaching, tradition and sound counsel. Seek out a wise teacher, or become one. Honour the customs that still serve you. Number 5."}, // 5
    {"Lovers", "Lovers", 6,
     "Two figures meet under a blessing from above. This card denotes love, union and a choice made with the heart. Weigh what you truly value before you decide. A bond formed now can last a long time. Number 6."}, // 6
    {"Chariot", "Chariot", 7,
     "The Chariot rolls forward, drawn by two beasts that pull different ways. This card denotes victory won through self-command. Hold the reins firmly and keep your eyes on the road. Your journey goes well. Number 7."}, // 7
    {"Strength", "Strength", 8,
     "A woman closes the jaws of a lion with gentle hands. This card denotes courage, patience and the quiet power that tames wild forces without cruelty. Be kind to yourself and to others. Your strength is greater than you think. Number 8."}, // 8
    {"Hermit", "Hermit", 9,
     "The Hermit walks alone on the mountain with his lantern raised. This card denotes solitude, study and the search for inner light. Step back from the crowd for a while. The answer you seek lies within you. Number 9."}, // 9
    {"Wheel of Fortune", "Wheel of Fortune", 10,
     "The great Wheel turns and no one stays at the top or the bottom for ever. This card denotes change, luck and the cycles of life. A new turn is coming. Be ready to meet it with an open heart. Number 10."}, // 10
    {"Justice", "Justice", 11,
     "Justice holds the scales in one hand and the sword in the other. This card denotes fairness, balance and the fruit of past deeds. Be honest in all your dealings. A matter of law or contract will be settled rightly. Number 11."}, // 11
    {"Hanged Man", "Hanged Man", 12,
     "The Hanged Man hangs calm and upside down from a living tree. This card denotes surrender, pause and a new way of seeing. Let go of what you cannot hold. Waiting now is not wasted time. Number 12."}, // 12
    {"Death", "Death", 13,
     "Death walks across the field with his scythe. This card does not mean the end of a life but the close of one chapter so that another may open. Something old must be cleared away. Welcome the change that follows. Number 13."}, // 13
    {"Alchemy", "Alchemy", 14,
     "The figure of Alchemy pours fire into water and water into fire. This card denotes balance, healing and the blending of opposites into something new. Be patient and moderate. The work goes slowly but it goes well. Number 14."}, // 14
    {"The Devil", "The Devil", 15,
     "The Devil holds two figures by loose chains they could lift off if they chose. This card denotes temptation, habit and the grip of material things. Look hard at what binds you. You are freer than you believe. Number 15."}, // 15
    {"Tower", "The Tower", 16,
     "Lightning strikes the Tower and its crown falls. This card denotes sudden upheaval and the fall of false walls. What is built on sand cannot stand. After the shock comes clear air and the chance to build anew. Number 16."}, // 16
    {"Star", "Star", 17,
     "After the Tower comes the Star. A maiden pours water on the land beneath a bright sky. This card denotes hope, healing and gentle guidance. Trust the future. Your wishes may come true in time. Number 17."}, // 17
    {"Moon", "The Moon", 18,
     "The Moon shines on a winding path between two towers. This card denotes dreams, illusion and hidden fears. Not all is as it seems. Walk carefully, listen to your intuition and wait for the light of day. Number 18."}, // 18
    {"Sun", "The Sun", 19,
     "The Sun rises in full glory over a walled garden. This card denotes joy, health and success. A child may play a part in your happiness. Things go well for you now. Share your warmth with those around you. Number 19."}, // 19
    {"Aeon", "Aeon", 20,
     "The Aeon heralds the dawn of a new age. A call rings out and the old self rises renewed. This card denotes awakening, judgement and a fresh start. Forgive the past and answer the call when it comes. Number 20."}, // 20
    {"Universe", "The Universe", 21,
     "The Universe closes the great journey begun by the Fool. A dancer moves within a ring of stars. This card denotes completion, wholeness and reward. Your work is done well. Soon a new cycle will begin. Number 21."}, // 21
    {"Mother of Wands", "Mother of Wands", 22,
     "The Mother of Wands sits warm beside the hearth fire. This card denotes a generous, lively woman full of good sense and confidence. She loves her home and her friends. Her warmth brings success to all she touches. Number 22."}, // 22
    {"Father of Wands", "Father of Wands", 23,
     "The Father of Wands holds a blazing staff. This card denotes a bold, honest man of vision who leads by example. He is quick to act and slow to give up. Follow his lead and a great undertaking will prosper. Number 23."}, // 23
    {"Son of Wands", "Son of Wands", 24,
     "The Son of Wands rides out on a fiery horse. This card denotes a young man full of energy, eager for travel and adventure. He can be hasty. Move forward with spirit, but look before you leap. Number 24."}, // 24
    {"Daughter of Wands", "Daughter of Wands", 25,
     "The Daughter of Wands carries a budding branch. This card denotes a bright, eager young person who brings good news. She is loyal and full of ideas. A spark of inspiration is close at hand. Say yes to it. Number 25."}, // 25
    {"Mother of Cups", "Mother of Cups", 26,
     "The Mother of Cups gazes into a covered chalice. This card denotes a loving, gentle woman with deep feeling and a gift for dreams. She listens well and heals with kindness. Trust your heart in this matter. Number 26."}, // 26
    {"Father of Cups", "Father of Cups", 27,
     "The Father of Cups sits calm upon a restless sea. This card denotes a kind and learned man who keeps his feelings under wise control. He gives good counsel. Stay calm and the waters around you will settle. Number 27."}, // 27
    {"Son of Cups", "Son of Cups", 28,
     "The Son of Cups rides slowly, holding out a cup. This card denotes a romantic young man who brings an offer or an invitation. He follows his feelings and his dreams. A proposal may soon come your way. Number 28."}, // 28
    {"Daughter of Cups", "Daughter of Cups", 29,
     "The Daughter of Cups finds a fish leaping from her cup. This card denotes a tender, imaginative young person with a gentle soul. A message of love or a small happy surprise is near. Be open to new feelings. Number 29."}, // 29
    {"Mother of Swords", "Mother of Swords", 30,
     "The Mother of Swords holds her blade upright and looks straight ahead. This card denotes a clear-minded woman who speaks the truth plainly. She has known sorrow and grown wise by it. Her judgement can be trusted. Number 30."}, // 30
    {"Father of Swords", "Father of Swords", 31,
     "The Father of Swords sits in judgement with a keen blade. This card denotes a man of authority, reason and firm justice. He weighs all sides before he speaks. Seek advice from someone with a cool head. Number 31."}, // 31
    {"Son of Swords", "Son of Swords", 32,
     "The Son of Swords charges into the wind. This card denotes a brave, clever young man who acts swiftly and speaks sharply. He fights for what he believes. Be bold, but take care that haste does not cause harm. Number 32."}, // 32
    {"Daughter of Swords", "Daughter of Swords", 33,
     "The Daughter of Swords stands alert on a windy hill. This card denotes a watchful, curious young person with a quick mind. She seeks the truth and may bring news. Keep your eyes open and your words careful. Number 33."}, // 33
    {"Mother of Stones", "Mother of Stones", 34,
     "The Mother of Stones sits in a blooming garden with a golden stone in her lap. This card denotes a practical, caring woman who makes a warm and safe home. She is wise with money. Tend to your body and your hearth. Number 34."}, // 34
    {"Father of Stones", "Father of Stones", 35,
     "The Father of Stones rests among vines and ripe fruit. This card denotes a steady, prosperous man who has built his wealth by honest work. He is reliable and generous. Good business and security are at hand. Number 35."}, // 35
    {"Son of Stones", "Son of Stones", 36,
     "The Son of Stones rides slowly over ploughed fields. This card denotes a patient, hard-working young man who finishes what he starts. Progress is steady rather than swift. Keep at your task and it will bear fruit. Number 36."}, // 36
    {"Daughter of Stones", "Daughter of Stones", 37,
     "The Daughter of Stones holds a stone up to the light. This card denotes a careful, studious young person eager to learn a trade. News about money or work may come. Plant the seed and tend it well. Number 37."}, // 37
    {"Ace of Wands", "Ace of Wands", 38,
     "A hand reaches from a cloud holding a sprouting wand. This card denotes a new beginning, fresh energy and the birth of an enterprise. Your spark is lit. Act on your idea while the fire burns bright. Number 38."}, // 38
    {"Two of Wands", "Two of Wands", 39,
     "The two crossed swords on the card form a symbol of power and pacification. This card denotes a strong will and someone who carries the power of spiritual truth. This person does not misuse his power. Number 26."}, // 39
    {"Three of Wands", "Three of Wands", 40,
     "A figure watches ships sail out across the sea. This card denotes plans set in motion and trade with far places. The first efforts are bearing fruit. Look ahead with confidence. Help may come from far away. Number 50."}, // 40
    {"Four of Wands", "Four of Wands", 41,
     "Four wands are bound with garlands for a feast. This card denotes celebration, harmony and a happy home. A wedding, a homecoming or a job well done gives cause for joy. Enjoy the rest you have earned. Number 63."}, // 41
    {"Five of Wands", "Five of Wands", 42,
     "Five wands clash like staves in a crowded yard. This card denotes rivalry, quarrels and a struggle of wills. The contest is more noise than danger. Hold your ground and keep your temper. Number 49."}, // 42
    {"Six of Wands", "Six of Wands", 43,
     "A rider returns home crowned with laurel. This card denotes victory, good news and public praise. Your efforts are seen and honoured by others. Accept the reward with grace and stay humble. Number 2."}, // 43
    {"Seven of Wands", "Seven of Wands", 44,
     "One figure defends the high ground against many. This card denotes courage under pressure and the will to stand firm. You have the advantage. Don't give way, your position is stronger than it looks. Number 40."}, // 44
    {"Eight of Wands", "Eight of Wands", 45,
     "Eight wands fly swiftly through clear air. This card denotes speed, news and matters moving quickly to their end. Letters or travel may come soon. Strike while things are in motion. Number 35."}, // 45
    {"Nine of Wands", "Nine of Wands", 46,
     "A weary guard leans on his staff, still watchful at the gate. This card denotes strength in reserve and the will to hold on. You have come far already. One last effort will see you through. Number 7."}, // 46
    {"Ten of Wands", "Ten of Wands", 47,
     "A figure bends under a heavy bundle of wands. This card denotes burden, duty and too many tasks at once. Success has brought its own load. Share the weight or set some of it down. Number 54."}, // 47
    {"Ace of Cups", "Ace of Cups", 48,
     "A single cup overflows with clear water. This card denotes the start of love, joy and emotional renewal. Your heart is open. Let kindness flow freely to others and it will return to you. Number 48."}, // 48
    {"Two of cups", "Two of Cups", 49,
     "Two people raise their cups to each other. This card denotes partnership, friendship and mutual love. A bond is forming or growing stronger. Meet the other person halfway and be sincere. Number 1."}, // 49
    {"Three of Cups", "Three of Cups", 50,
     "Three friends lift their cups in a dance. This card denotes friendship, celebration and shared happiness. A gathering or a reunion brings good cheer. Enjoy the company of those you love. Number 28."}, // 50
    {"Four of Cups", "Four of Cups", 51,
     "A figure sits under a tree, ignoring a cup held out from the air. This card denotes boredom, discontent and missed chances. Look up from your brooding. Something good is being offered to you. Number 3."}, // 51
    {"Five of Cups", "Five of Cups", 52,
     "Three cups lie spilled, but two still stand behind. This card denotes loss, regret and sorrow over what is gone. Grieve if you must, then turn around. Not everything is lost. Number 9."}, // 52
    {"Six of Cups", "Six of Cups", 53,
     "Children share flowers in an old garden. This card denotes memories, innocence and kindness from the past. An old friend may return. Let the happy times of yesterday warm your heart today. Number 58."}, // 53
    {"Seven of Cups", "Seven of Cups", 54,
     "Seven cups float in the clouds, each holding a different vision. This card denotes daydreams, many choices and wishful thinking. Not every dream is real. Choose one and make it solid. Number 4."}, // 54
    {"Eight of Cups", "Eight of Cups", 55,
     "A figure walks away from eight stacked cups under a waning moon. This card denotes leaving behind what no longer fulfils you. It is time to seek something deeper. Go with a light heart. Number 41."}, // 55
    {"Nine of Cups", "Nine of Cups", 56,
     "A contented man sits before nine full cups. This is often called the wish card. It denotes satisfaction, comfort and dreams come true. Enjoy your good fortune and give thanks for it. Number 42."}, // 56
    {"Ten of Cups", "Ten of Cups", 57,
     "A rainbow of ten cups shines over a happy family. This card denotes lasting joy, peace at home and love fulfilled. Your heart's desire is within reach. Cherish those close to you. Number 46."}, // 57
    {"Ace of Swords", "Ace of Swords", 58,
     "A hand from the clouds grasps a sword crowned in gold. This card denotes clarity, truth and the power of a clear mind. A breakthrough is near. Cut through confusion and speak plainly. Number 58."}, // 58
    {"Two of Swords", "Two of Swords", 59,
     "A blindfolded figure holds two crossed swords. This card denotes a stalemate and a choice put off. You cannot stay balanced for ever. Remove the blindfold and face the decision. Number 11."}, // 59
    {"Three of Swords", "Three of Swords", 60,
     "Three swords pierce a heart under grey rain. This card denotes heartache, grief and painful truth. The sorrow is real but it will pass. Let yourself weep, then begin to heal. Number 33."}, // 60
    {"Four of Swords", "Four of Swords", 61,
     "A knight lies at rest in a quiet chapel. This card denotes rest, recovery and a pause after strife. Take time to gather your strength. Peace and quiet will restore you. Number 24."}, // 61
    {"Five of Swords", "Five of Swords", 62,
     "A figure gathers swords while others walk away defeated. This card denotes conflict, hollow victory and bruised pride. Ask if the win is worth the cost. Some battles are best left unfought. Number 47."}, // 62
    {"Six of Swords", "Six of Swords", 63,
     "A boat carries travellers across calm water to a far shore. This card denotes passage away from trouble toward better times. A journey may help you. The worst is now behind you. Number 61."}, // 63
    {"Seven of Swords", "Seven of Swords", 64,
     "A figure slips away carrying five swords. This card denotes cunning, stealth and plans made in secret. Be careful whom you trust. Use wit rather than force, but stay honest yourself. Mumber 36."}, // 64
    {"Eight of Swords", "Eight of Swords", 65,
     "A bound figure stands among eight swords. This card denotes feeling trapped and held back by fear. The bonds are looser than they seem. Take the first step and you will find the way out. Number 21."}, // 65
    {"Nine of Swords", "Nine of Swords", 66,
     "A figure sits up in bed with hands over the face. This card denotes worry, sleepless nights and anxious thoughts. Much of the fear lives only in the mind. Speak your worries aloud to a friend. Number 6."}, // 66
    {"Ten of Swords", "Ten of Swords", 67,
     "Ten swords lie in a fallen figure as dawn breaks. This card denotes a painful ending and the bottom of a hard time. It can get no worse. A new day is rising, so let the old trouble go. Number 29."}, // 67
    {"Ace of Stones", "Ace of Stones", 68,
     "A hand offers a single golden stone above a garden. This card denotes a new start in money, work or health. A seed of prosperity is planted. Take the chance that comes and tend it with care. Number 68."}, // 68
    {"Two of Stones", "Two of Stones", 69,
     "A juggler keeps two stones moving in an endless loop. This card denotes balance, change and handling many tasks at once. Stay flexible and light on your feet. You can manage both. Number 16."}, // 69
    {"Three of Stones", "Three of Stones", 70,
     "A mason works on a great building while others watch. This card denotes skill, teamwork and good craftsmanship. Your work is noticed. Build carefully and ask for help where needed. Number 13."}, // 70
    {"Four of Stones", "Four of Stones", 71,
     "A man holds his stones close to his chest. This card denotes saving, security and holding on tightly. Be prudent with money, but don't let thrift become greed. Open your hands a little. Number 51."}, // 71
    {"Five of Stones", "Five of Stones", 72,
     "Two poor figures pass a lit window in the snow. This card denotes hardship, want and feeling left out in the cold. Help is nearer than you think. Don't be too proud to knock and ask. Number 23. "}, // 72
    {"Six of Stones", "Six of Stones", 73,
     "A merchant weighs out his stones and gives to those in need. This card denotes generosity, charity and fair exchange. Give when you can and receive with thanks when you must. Number 55."}, // 73
    {"Seven of Stones", "Seven of Stones", 74,
     "A farmer leans on his hoe and looks at the growing crop. This card denotes patience, assessment and the slow reward of work. The harvest is not yet ready. Wait and keep tending. Number 12."}, // 74
    {"Eight of Stones", "Eight of Stones", 75,
     "An apprentice carves stone after stone at his bench. This card denotes diligence, training and skill gained by practice. Pay attention to the details. Steady work brings mastery. Number 62."}, // 75
    {"Nine of Stones", "Nine of Stones", 76,
     "A lady walks alone in a rich vineyard. This card denotes comfort, independence and well-earned prosperity. You can enjoy the fruits of your labour. Treat yourself to a little luxury. Number 14."}, // 76
    {"Ten of Stones", "Ten of Stones", 77,
     "The Well. In a deep valley water rushes forth. Card denotes good life, health and a sense of solid reality. Don't delay on that project. Number 48."}, // 77
}};
// clang-format on

constexpr bool descriptionsFit()
{
    return std::ranges::all_of(kRows, [](const CardRow& row) {
        return row.description.size() >= 115 && row.description.size() <= 321 &&
               row.description.find('\n') == std::string_view::npos;
    });
}
static_assert(descriptionsFit(), "a description is too short, too long or holds a line break");

} // namespace

const std::array<CardRow, kCardCount>& cardCatalogue()
{
    return kRows;
}

const CardRow& cardRow(std::int16_t card)
{
    if (card < 0 || card >= kCardCount)
        return kCardFallback;
    return kRows[static_cast<std::size_t>(card)];
}

} // namespace deck
