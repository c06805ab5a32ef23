#pragma once

class RecoveryFolder;
class TMainForm;

// At start-up: the cards that runs which did not end normally left in the
// recovery folder are offered once. Yes opens each in an editor of its kind,
// marked changed, its caption saying it was recovered and naming the card
// file it had been saved to; No removes them; Cancel leaves them for the next
// start. A card that cannot be read is named and kept.
void offerLeftCards(TMainForm &mainForm, RecoveryFolder &folder);
