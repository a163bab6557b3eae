#pragma once
// The hand types being edited, one per tab of the main window, and the one
// the editor shows: a model that needs no window.
//
// The list holds 1 to kMaxTypes types and one of them is always selected.
// The window shows one tab per type and the selected one as current; it asks
// the model what to show after every change instead of counting its tabs.

#include "params/HandParam.h"

#include <cstdint>

namespace kv {

class TTypeListModel {
  public:
    static constexpr int kMaxTypes = 8;

    // One default type, selected.
    TTypeListModel();

    const TTypeList& Types() const { return types_; }
    // The list itself, for the generator, which may leave types out of it
    // (FollowGeneration then puts the selection right). The reference stays
    // valid as long as the model: the hands window keeps it while it is open.
    TTypeList& Types() { return types_; }
    int Count() const { return static_cast<int>(types_.size()); }
    int Selected() const { return selected_; }
    // The selected type; std::out_of_range while the generator has left the
    // selection behind and FollowGeneration has not yet run.
    THandParam& SelectedType();
    const THandParam& SelectedType() const;

    bool CanAdd() const { return Count() < kMaxTypes; }
    // Delete and Clear All need a second type.
    bool CanDelete() const { return Count() > 1; }

    // Selects the type at index; false, changing nothing, outside the list.
    bool Select(int index);
    // Appends a default type and selects it; false, changing nothing, at
    // kMaxTypes types.
    bool Add();
    // Removes the selected type and selects the type that takes its place, or
    // the new last one; false, changing nothing, with a single type.
    bool DeleteSelected();
    // One default type, selected.
    void ClearAll();
    // Replaces every type (a parameter set read from a file) and selects the
    // first; false, changing nothing, for no types or more than kMaxTypes.
    bool Replace(TTypeList types);
    // After the generator dealt from Types(), `before` being the list as it
    // was: a list it emptied gets `before` back, since there must be a type to
    // show; when it left types out, the first type is selected. True when the
    // number of types changed, so that the tabs must follow.
    bool FollowGeneration(const TTypeList& before);

    // Every change of the frequency box (its number, 0 when empty) becomes
    // the selected type's frequency at once, before the type is stored.
    void SetSelectedFrequency(int frequency);
    // The sum of the frequencies, which the window shows after "of ". A file
    // may hold any 32-bit frequency: the sum is taken in 64 bits.
    std::int64_t TotalFrequency() const;

  private:
    TTypeList types_;
    int selected_ = 0;
};

} // namespace kv
