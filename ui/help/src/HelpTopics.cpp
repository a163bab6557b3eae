#include "HelpTopics.h"

#include "ui/common/HelpContext.h"

namespace kv {
namespace {

constexpr THelpTopic kTopics[] = {
    {help::Contents, "contents.html", "Contents"},
    {help::MainWindow, "mainwindow.html", "The Hand Parameters window"},
    {help::Editor, "editor.html", "Setting South's and North's ranges"},
    {help::Types, "types.html", "Hand types and their frequencies"},
    {help::HandsDisplay, "hands.html", "Dealing hands to the screen or the printer"},
    {help::PrintDialog, "hands.html#printer", "The Print dialog and its options"},
    {help::ParameterSets, "paramsets.html", "Saving, reading and copying parameters"},
    {help::Synchronize, "synchronize.html", "Synchronizing with another player"},
    {help::Options, "options.html", "Printing options"},
    {help::ConfusionAlert, "moretypes.html", "Before you add hand types"},
    {help::Analysis, "analysis.html", "Analysing many deals"},
};

constexpr THelpKeyword kKeywords[] = {
    {"Add a Type", "types.html#add"},
    {"All four hands", "hands.html#view"},
    {"Analyse Hands", "analysis.html"},
    {"Analyse These Hands", "analysis.html#boards"},
    {"Analysing board", "hands.html#progress"},
    {"Better of North and South", "analysis.html#ns"},
    {"Board number", "hands.html#session"},
    {"Bold numbers", "editor.html#bold"},
    {"Clear", "types.html#clear"},
    {"Clear All", "types.html#clear"},
    {"Color printing", "options.html"},
    {"Confusion Alert", "moretypes.html"},
    {"Copying parameters", "paramsets.html#copy"},
    {"Dealer and vulnerability", "hands.html#dealer"},
    {"Delete Current Type", "types.html#delete"},
    {"Deleting a saved set", "paramsets.html#read"},
    {"Double dummy", "hands.html#doubledummy"},
    {"Double-dummy results, printed", "hands.html#ddprint"},
    {"Exchanging parameters", "paramsets.html#copy"},
    {"Frequency", "types.html#frequency"},
    {"Generate Hands to Printer", "hands.html#printer"},
    {"Generate Hands to Screen", "hands.html#screen"},
    {"Go to Board", "hands.html#screen"},
    {"HCP", "editor.html#hcp"},
    {"High-card points", "editor.html#hcp"},
    {"Impossible Hand Parameters", "editor.html#impossible"},
    {"Keyboard", "mainwindow.html#keys"},
    {"Keys of the Hands window", "hands.html#handkeys"},
    {"Max button", "editor.html#buttons"},
    {"Min button", "editor.html#buttons"},
    {"Next Hand", "hands.html#screen"},
    {"NS as declarer", "analysis.html#ns"},
    {"Open Deals (PBN)", "hands.html#opendeals"},
    {"Par", "hands.html#par"},
    {"PARAMS.SAV", "paramsets.html"},
    {"PBN files", "hands.html#opendeals"},
    {"PDF file", "hands.html#pdf"},
    {"PNG pictures of charts", "analysis.html#results"},
    {"Previous Hand", "hands.html#screen"},
    {"Print dialog", "hands.html#printer"},
    {"Print These Hands", "hands.html#printsession"},
    {"Printer Setup", "hands.html#pdf"},
    {"Printing hands", "hands.html#printer"},
    {"Random number seed", "synchronize.html"},
    {"Reading saved parameters", "paramsets.html#read"},
    {"Relative frequency", "types.html#frequency"},
    {"Save as PBN", "hands.html#savepbn"},
    {"Saving parameters", "paramsets.html#save"},
    {"Seed", "synchronize.html"},
    {"Seed in a saved PBN file", "hands.html#savepbn"},
    {"Seed of an analysis", "analysis.html#deals"},
    {"Selection range", "editor.html#ranges"},
    {"Session of deals", "hands.html#session"},
    {"Shortcut keys", "mainwindow.html#keys"},
    {"Size of the cards", "hands.html#resize"},
    {"Sort order", "hands.html#view"},
    {"Status bar", "mainwindow.html#status"},
    {"Suit lengths", "editor.html#ranges"},
    {"Synchronize", "synchronize.html"},
    {"Tabs", "types.html"},
    {"Ten symbol", "options.html"},
    {"Toolbar", "mainwindow.html#toolbar"},
    {"Track bars", "editor.html"},
    {"Types of hands", "types.html"},
    {"View menu", "hands.html#view"},
};

} // namespace

std::span<const THelpTopic> HelpTopics() {
    return kTopics;
}
std::span<const THelpKeyword> HelpKeywords() {
    return kKeywords;
}

const THelpTopic& TopicOfContext(int context) {
    for (const THelpTopic& topic : kTopics)
        if (topic.Context == context) return topic;
    return kTopics[0];
}

} // namespace kv
