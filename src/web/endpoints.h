#pragma once

#include <string>

namespace velmora {

// The web services the console talks to. Each can be moved elsewhere through an environment
// variable, so tests and users can point the program at another server.

/// The encyclopedia's item page address up to and including "/item/"; the word follows.
/// VELMORA_BAIKE_URL when set.
std::string EncyclopediaItemAddress();

/// The chat robot API address up to and including "/api.php"; the query follows.
/// VELMORA_CHAT_URL when set.
std::string ChatApiAddress();

/// The translation API address up to and including "/api/trans/vip/translate"; the query
/// follows. VELMORA_TRANSLATE_URL when set.
std::string TranslateApiAddress();

} // namespace velmora
