#pragma once

#include <cstddef>
#include <string>

namespace orv::settings {

// The process-wide bilingual dictionary and the language setting. Every entry
// holds "<English>;<Russian>"; LocalText hands out the current language's part.

// Start-up of the settings module: language from the system and the stored
// setting (written back), units, and the entry "Wait".
void InitLocalization();
void FreeLocalization();

// Adds an entry, or replaces the text of the entry whose key equals `key`
// ignoring letter case; a replaced entry keeps its place.
void RegisterText(const std::string& key, const std::string& text);

// The current language's part of the key's text; empty for an unknown key.
std::string LocalText(const std::string& key);
// LocalText with its first "%1" and "%2" replaced by `first` and `second`.
std::string LocalTextWith(const std::string& key, const std::string& first, const std::string& second = {});
// The part of `language` (0 English, 1 Russian), whatever language is in force.
std::string TextIn(const std::string& key, int language);

bool IsEnglish();
// Number of entries; registering a key again does not add one.
std::size_t DictionaryCount();
int LanguageIndex();

// Sets the language (0 English, 1 Russian; any other index counts as
// Russian) and stores it in "Language".
void SetLanguage(int index);
// Sets the language for this run only; the stored setting is not touched.
void SetLanguageForSession(int index);
// Reads "Language" into the language index and returns it; without a stored
// value, or after a failed read, the index stays as it was.
int ReadLanguageSetting();

}  // namespace orv::settings
