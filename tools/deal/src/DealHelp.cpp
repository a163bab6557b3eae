#include "DealHelp.h"

#include "DealOptions.h"
#include "ProgramVersion.h"

namespace kv::cli {

std::string HelpText() {
    return std::string(kUsage) +
           "\n\n"
           "Deals random bridge deals that meet hand types, with the same engine, types and\n"
           "seeds as the desktop program.\n\n"
           "  --seed HEX        1 to 8 hexadecimal digits; without it the seed comes from the\n"
           "                    clock and is printed to standard error\n"
           "  --count N         deals to make (default 10)\n"
           "  --type TYPETEXT   a 72-character type text as stored in parameter files; up to 8\n"
           "  --file FILE       the parameter file (default PARAMS.SAV)\n"
           "  --set NAME        the types of a stored set, by name\n"
           "  --record N        the types of a stored set, by record number\n"
           "  --list            print the file's sets: record, number of types, name\n"
           "  --input PBNFILE   the deals of a PBN file instead of dealt ones, with their\n"
           "                    board numbers, dealers, vulnerabilities and other tags\n"
           "  --format deal|pbn one line per deal, or a PBN 2.1 export file\n"
           "  --output FILE     write into FILE, whole or not at all\n"
           "  --dd              double-dummy analysis of every deal\n"
           "  --analyse         what the deals make: the make table, points, fits, type mix\n"
           "                    (default 500 deals)\n"
           "  --shape           with --analyse: points, fits and type mix only, no solver\n"
           "  --declarer LIST   with --analyse: N, S or NS (the better of the two); default NS\n"
           "  --strains LIST    with --analyse: NT,S,H,D,C; default NT and the forced fits\n"
           "  --shard K/N       with --analyse: only deals K, K+N, ... (every deal is dealt)\n"
           "  --format text|json|csv  how an analysis is written (default text)\n"
           "  --merge FILE...   merge the JSON summaries of a run's shards\n"
           "  --help            show this help\n"
           "  --version         show the version and the licence\n\n"
           "Exit status: 0 on success, 1 when the run fails, 2 for a bad argument.\n";
}

std::string VersionText() {
    return std::string("kestrovanhalme-deal ") + kProgramVersion + "\nLicense: " + kProgramLicense +
           "\n";
}

} // namespace kv::cli
