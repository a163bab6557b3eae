#ifndef KV_ZUZIROR_API_H
#define KV_ZUZIROR_API_H
/*
 * The hand-printing library's C interface. Only plain values cross it; no
 * exception ever leaves the library. Every call returns 0 on success or one of
 * the negative codes below; the program itself ignores the results.
 *
 * The library prints with Qt: the host must have a QGuiApplication (or a
 * QApplication) and must call it from that application's thread.
 *
 * A print run: AddDeal once per deal, PrintMulti once per copy, ClearDeals at
 * the end. The copies of one run go into one document, which ClearDeals
 * finishes and hands to the printer (or writes as a PDF file).
 *
 * The library analyses deals with the shared dds solver (libdds). A host that
 * uses the solver itself keeps it idle while it calls the library. A host
 * should load libdds at start-up (link it): Debian's libdds 2.9 crashes at
 * process exit when it is first loaded at run time, as this library's
 * dependency, because its exit code runs after its own objects are gone.
 */

#ifndef __cplusplus
#include <stdbool.h>
#endif

#if defined(_WIN32)
#if defined(KV_ZUZIROR_BUILD)
#define KV_ZUZIROR_API __declspec(dllexport)
#else
#define KV_ZUZIROR_API __declspec(dllimport)
#endif
#else
#define KV_ZUZIROR_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

enum {
    KV_ZUZIROR_OK = 0,
    KV_ZUZIROR_BAD_ARGUMENT = -1,   /* malformed deal text, unknown layout, null text */
    KV_ZUZIROR_NO_APPLICATION = -2, /* no QGuiApplication in the host */
    KV_ZUZIROR_OUTPUT_FAILED = -3,  /* neither the printer nor a PDF file could be opened */
    KV_ZUZIROR_INTERNAL = -4,       /* anything else; the held deals are unchanged */
    KV_ZUZIROR_BUSY = -5,           /* called from an event handled while the deals are analysed */
    KV_ZUZIROR_CANCELLED = -6       /* the host's progress function stopped the analysis */
};

/* Holds a copy of one deal text ([Deal "N:<n> <e> <s> <w>"]), after the
 * held ones. A text that is not a complete deal is refused and not held. */
KV_ZUZIROR_API int AddDeal(const char* dealText);

/* Prints every held deal once (selector -1), or only held deal number
 * `selector` (1 for the first), in one layout: 1 all four hands, 2 North,
 * 3 East, 4 South, 5 West, 6 North and South. Boards are numbered from 1;
 * flagA shows each board's dealer and flagB its vulnerability, by the usual
 * rotation of duplicate boards. tenCharacter '1' writes the ten "10", any
 * other character "T". colour prints hearts and diamonds red. */
KV_ZUZIROR_API int PrintMulti(int layout, int selector, const char* title, const char* subtitle,
                              const char* banner, char tenCharacter, bool colour, bool flagA,
                              bool flagB);

/* Optional: holds a deal like AddDeal, printed as board number `board` (1 and
 * up) with its own dealer (0..3 = North, East, South, West) and vulnerability
 * (0..3 = none, North-South, East-West, both) in place of the rotation's. The
 * deal text may give "-" for a hand it leaves out: that hand is printed as
 * not given, and the board gets no double-dummy results. */
KV_ZUZIROR_API int AddBoard(const char* dealText, int board, int dealer, int vulnerability);

/* Forgets every held deal and finishes the document of the run, if any. */
KV_ZUZIROR_API int ClearDeals(void);

/* Optional: where the next documents go. printerName empty or null: the
 * system's default printer. pdfFile non-empty: a PDF file instead of a
 * printer. pageWidth and pageHeight in points (0: the printer's default
 * paper). Without a usable printer the library writes a PDF file into the
 * user's documents folder (or the current folder) under a new name. */
KV_ZUZIROR_API int SetOutput(const char* printerName, const char* pdfFile, int pageWidth,
                             int pageHeight, bool landscape);

/* Optional: the PDF file written by the last run (up to its ClearDeals), as
 * UTF-8, zero-terminated and cut to `size` bytes; the empty string when it
 * went to a printer or printed nothing. Returns the full length of the name. */
KV_ZUZIROR_API int LastOutputFile(char* buffer, int size);

/* Optional: on non-zero asks for the double-dummy results of the held deals
 * in this run's all-four-hands layout: under each board the highest level
 * each declarer makes in each denomination, and the par for the board's
 * dealer and vulnerability. The deals are analysed once, at the first copy
 * that shows them. ClearDeals switches it off again. */
KV_ZUZIROR_API int SetDoubleDummy(int on);

/* Told how many of the held deals are analysed; a non-zero answer stops the
 * analysis. `context` is the host's own pointer, passed through. */
typedef int (*KvProgressFn)(int done, int total, void* context);

/* Optional: after SetDoubleDummy, makes the analysis of the held deals now
 * rather than at the first copy that shows it, one deal at a time, calling
 * `progress` (when not null) on the calling thread about every 25 ms and
 * once more at the end. KV_ZUZIROR_CANCELLED when `progress` stopped it:
 * nothing is kept, and a later copy analyses again. Without SetDoubleDummy,
 * or when the analysis is made already, it does nothing. */
KV_ZUZIROR_API int AnalyseDeals(KvProgressFn progress, void* context);

typedef int (*KvAddDealFn)(const char*);
typedef int (*KvPrintMultiFn)(int, int, const char*, const char*, const char*, char, bool, bool,
                              bool);
typedef int (*KvClearDealsFn)(void);
typedef int (*KvSetOutputFn)(const char*, const char*, int, int, bool);
typedef int (*KvLastOutputFileFn)(char*, int);
typedef int (*KvSetDoubleDummyFn)(int);
typedef int (*KvAddBoardFn)(const char*, int, int, int);
typedef int (*KvAnalyseDealsFn)(KvProgressFn, void*);

#ifdef __cplusplus
}
#endif

#endif
