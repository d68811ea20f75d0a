#pragma once
// The texts `quorlin help` prints. They are made at build time from the manual's source,
// docs/quorlin.txt, which the manual page quorlin(1) is made from too.

#include <string_view>

// The usage of the whole program: `quorlin help` and `quorlin --help`.
std::string_view GeneralHelp();

// The help of a command (`quorlin help day`, `quorlin day --help`) or of a topic
// (`quorlin help codes`); empty when NAME names neither.
std::string_view TopicHelp(std::string_view name);
