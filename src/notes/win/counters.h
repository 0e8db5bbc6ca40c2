// The note's counts: the status bar's "Ch %d" and "Wd %d" fields, and the Word count and Character count
// commands of the Tools menu.
#pragma once

namespace pw {

// The least time between two counts of the words on disk, in milliseconds.
inline constexpr unsigned long kWordCountInterval = 1000;

// After a key or mouse button release in the editor: the character count, and the word count when a
// second has passed since the last one.
void RefreshCounters();
void RefreshCharCounter();
// The word count of the note file on disk; cleared while the note has unsaved changes, since the number
// describes the saved file. force: count now (after the Save command) even within the second.
void RefreshWordCounter(bool force);

// Tools "Word count" (907) and "Character count" (908): of the selection when there is one, else of the note.
void ShowWordCount();
void ShowCharacterCount();

}  // namespace pw
