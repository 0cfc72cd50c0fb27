// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Forms;

// Registers every window of the program with the registry.
namespace WindowCatalog {
void registerAll(Forms &forms);
}
