#pragma once

#include <string>
#include <string_view>

// Files move between this tool and Windows installations that write Windows-1252.
// Inside the tool every text is UTF-8; these convert at the file's edge.
bool isValidUtf8(std::string_view bytes);
// Every byte has a meaning in CP1252 (the five unassigned ones map to the C1
// controls of the same value, as Windows does), so this never fails.
std::string cp1252ToUtf8(std::string_view bytes);
// Characters CP1252 cannot hold become '?'. Bytes that are not valid UTF-8 are
// taken as CP1252 already and pass unchanged, so device texts of any bytes survive.
std::string utf8ToCp1252(std::string_view text);
