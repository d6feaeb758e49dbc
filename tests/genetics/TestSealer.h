#pragma once

#include <string>

// Seals a configuration text as the sealing tool does, so that tests can
// write "Genetics.Gen" files of any content.
std::string SealConfigurationText(const std::string& plain);
