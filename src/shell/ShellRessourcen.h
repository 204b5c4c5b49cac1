#pragma once
// The pages, pictures and icons of the shell are compiled into the program;
// since they live in a static library they must be registered once before
// the first use.
namespace zeva {
void LadeShellRessourcen();
}
