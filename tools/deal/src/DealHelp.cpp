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
           "                    board numbers, dealers and vulnerabilities\n"
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
           "  --script FILE     the deals of a script in the language of Debian's dealer,\n"
           "                    printed by its actions as dealer prints them, the run's\n"
           "                    statistics on standard error; its produce (or --count) deals\n"
           "  --generate N      with --script: at most N tries in all (default the script's\n"
           "                    generate, or 10000000)\n"
           "  --threads N       with --script: threads to deal on (default every core); the\n"
           "                    deals are the same for any number\n"
           "  --shard K/N       with --script: only the K-th of N parts of the deals; the\n"
           "                    parts in order make the whole run\n"
           "  --format deal|pbn|lin  with --script: our deal lines, PBN or BBO's .lin instead\n"
           "                    of the actions; with --input, the file's boards that meet\n"
           "                    the script\n"
           "  --help            show this help\n"
           "  --version         show the version and the licence\n\n"
           "Exit status: 0 on success, 1 when the run fails, 2 for a bad argument or a\n"
           "script that cannot be read, 130 after Ctrl+C stopped a script's run.\n";
}

std::string VersionText() {
    return std::string("kestrovanhalme-deal ") + kProgramVersion + "\nLicense: " + kProgramLicense +
           "\n";
}

} // namespace kv::cli
