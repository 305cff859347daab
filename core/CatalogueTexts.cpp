// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The words of the catalogue: what the reader of a reading actually sees.
// Plain printable ASCII throughout; a description of two paragraphs is joined
// with a blank line (CR LF CR LF) when it is handed out.

#include "core/CatalogueTexts.h"

namespace modGreekNumerology::CatalogueTexts {

namespace {

struct Description
{
    const char *first;
    const char *second = nullptr;
};

const char AresWar[] =
    "He is an aggressive God of War. Ares is the son of Zeus and Hera, and neither parent "
    "loved him: in the Iliad his own father calls him the most hateful of the gods on "
    "Olympus. He stands for raw combat, the rush and slaughter of battle rather than its "
    "strategy, driven by ego and a fierce will to win. His courage is real but blind, and "
    "it often leaves him bleeding on the field.";

const char AresWomen[] =
    "Ares also violated women won in battles and never believed in the true union or man "
    "and women. He took Aphrodite, wife of Hephaestus, as his lover, until the lame smith "
    "netted the pair in fine chains for the gods to mock. His sons Phobos and Deimos, Fear "
    "and Terror, rode at his side. Greeks honoured his courage but rarely loved him.";

const char HermesMessenger[] =
    "He is the son of Zeus and Maia. On the day he was born he slipped from his cradle, "
    "stole Apollo's cattle and made a lyre from a tortoise shell. On winged sandals he "
    "carries messages between gods and mortals and leads the dead down to Hades. He rules "
    "invention, lucky finds and coincidence.";

// Number 3; Hermes brings the same gifts, so it also closes his description.
const char Intuition[] =
    "Along with the power of intuition you will also be blessed with good luck and esoteric"
    " knowledge.";

const Description Descriptions[GodCount] = {
    {AresWar, AresWomen},
    { // Artemis
        "Artemis is the daughter of Zeus and Leto and the twin sister of Apollo. With a silver "
        "bow she hunts the mountains and wild forests, followed by nymphs and hounds. Every "
        "beast and plant of the wild is in her keeping. Determined and untamed, she protects "
        "all living beings, the young above all."},
    { // Hecate
        "She is the cousin of Artemis. Hecate hunts by night with a torch in her hand, at "
        "crossroads where ways meet. She watches over the union of men and women and lends "
        "power to love magic."},
    {HermesMessenger, Intuition},
    { // Hera
        "Hera is the sister of Hestia. Daughter of Cronus and Rhea, she married her brother "
        "Zeus and became queen of Olympus. She is the goddess of marriage and of every lawful "
        "union, and women called on her, with her daughter Eileithyia, in the pains of "
        "childbirth. She prizes commitment and loyalty, and keeps her own vows even when her "
        "husband breaks his. Her temper is fierce and her jealousy long: she pursued his lovers"
        " and their children, and sent serpents to the cradle of Heracles."},
    { // Athena
        "Athena, the daughter of Zeus and the Goddess of Wisdom. She sprang fully armed from "
        "her father's head. Where Ares loves slaughter, she wins by strategy and solves "
        "problems with a cool mind. She gave the olive, weaving and the bridle, and she heals "
        "by patient effort. In catastrophe she finds a way out, as when she led Odysseus home."},
    { // Zeus
        "Zeus is the Supreme God who is said to be the source of life. Saved from his father "
        "Cronus by his mother Rhea, he grew up in a cave on Crete, freed his swallowed brothers"
        " and sisters and overthrew the Titans. From Olympus he rules gods and mortals alike. "
        "He guards law and order, oaths and the rights of guests and strangers, and he weighs "
        "fates fairly. Offenders feel his thunderbolt."},
    { // Poseidon
        "He is the master of the sea and all water elements. Life began in water, and he is its"
        " founder. Yet his trident stirs storms and earthquakes, and his violence drowns "
        "cities."},
    { // Hades
        "He is the God of the empire of mortal death. Stern but just, he punishes fairly, and "
        "the riches under the earth are his."},
    { // Demeter
        "Demeter is the Goddess of agriculture and fertility. She ripens the grain and rules "
        "the fields and the whole rural world. When Hades carried off her daughter Persephone, "
        "she grieved and nothing grew. She nurtures, and longs to be cared for."},
    { // Hestia
        "Hestia is the Virgin Goddess. Firstborn of Cronus and Rhea, she refused Poseidon and "
        "Apollo and kept the hearth fire burning at the centre of every home and city. Quiet "
        "but determined, she gives her energy to a cause greater than herself."},
    { // Hephaestus
        "He is the son of Hera, born out of hatred for Zeus. Hera bore him alone, to answer "
        "Zeus for the birth of Athena, and threw him from Olympus when she saw he was lame. He "
        "became the smith of the gods. At his forge under a volcano he turns raw metal into "
        "armour, thrones and the chains that bound Prometheus. He stands for transformation: he"
        " melts an old order down and casts a new one, to build or to destroy."},
    { // Prometheus
        "Prometheus is the son of Themis and Iapetus. His name means forethought. He stood "
        "against violence, stole fire for mankind and outwitted Zeus at Mecone. His thought "
        "runs ahead, and his judgement is fair and clever."},
    { // Apollo
        "Apollo is the son of Zeus and Leto. Born on the island of Delos, he is the most "
        "beautiful of the gods, lord of the lyre, leader of the Muses in song and dance. "
        "Through his priestess at Delphi he speaks prophecy, and poets and artists draw their "
        "inspiration from him. He purifies and heals, and in war he brings peace, reconciling "
        "enemies and cleansing the guilt of bloodshed."},
    { // Dionysus
        "He is the son of Zeus and Semele. Raised by the nymphs of Mount Nysa, he gave the "
        "world wine, and with it intoxication and ecstasy that let mortals forget their "
        "troubles."},
    { // Aphrodite
        "Aphrodite is the Goddess of love and beauty. Born from the sea foam, she is immortal "
        "desire itself. She brings happiness, and her smile settles quarrels into peace and "
        "harmony."},
    { // Aphrodite Pandemos
        "She is the daughter of Zeus and Dione. She rules the pleasures of the senses."},
};

// Number n at index n - 1.
const char *const Interpretations[InterpretationCount] = {
    // 1
    "You will not take anything sitting. You act first and ask questions later, and you "
    "would rather fight for what you want than wait for it. You assert yourself and enjoy a"
    " rival, since competition brings out your best. You decide alone and trust your own "
    "judgement. Tomorrow worries you little; you live for the battle in front of you.",
    // 2
    "You have the gift of feeling or knowing beforehand what will happen next. You notice "
    "omens and small signs that others miss, and you do well to heed them.",
    Intuition, // 3
    // 4
    "You will plan for the future based on some concrete happenings. Then you steer events "
    "quietly toward your own purpose.",
    // 5
    "You have the capability to understand your future and allow only certain events to "
    "take place that will be fruitful for you. You read omens well and act on what they "
    "tell you.",
    // 6
    "You believe that your destiny will not be made by only by drawing lots or maybe by "
    "throwing gold coins and other such methods. Signs may show the way, but you must walk "
    "it yourself: you act to shape what the oracles foretell.",
    // 7
    "You will analyze the events that may occur in the future and then decide on the best "
    "course of action. You weigh every possibility before you move. Astrology and "
    "numerology fascinate you as tools for reading what lies ahead.",
    // 8
    "You can foresee events that will happen in your future. Take care not to mistake a "
    "dream for an insight.",
    // 9
    "You will not be worried about your future. You trust that events will plan themselves "
    "and fall into place.",
};

} // namespace

QString descriptionOf(int position)
{
    if (position < 0 || position >= GodCount)
        return {};
    const Description &d = Descriptions[position];
    QString text = QString::fromLatin1(d.first);
    if (d.second != nullptr)
        text += QStringLiteral("\r\n\r\n") + QString::fromLatin1(d.second);
    return text;
}

QString interpretationText(int number)
{
    if (number < 1 || number > InterpretationCount)
        return {};
    return QString::fromLatin1(Interpretations[number - 1]);
}

} // namespace modGreekNumerology::CatalogueTexts
