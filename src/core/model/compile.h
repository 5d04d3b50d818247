// Compilation: turning the drawn scheme into the form a run and the analysis work on.
//
// Connections exist only as drawn arrows and line pieces. Compilation traces every wire
// from element outputs to element inputs into the link matrix, checks the scheme, fixes
// a computation order and lets every element bind its input slots.
//
// Tracing. From each element, in numbering order, a wire leaves through every cell next
// to it that holds an arrow pointing away from it or a line piece open towards it (a
// block looks along its right, bottom, top and left sides, three cells each). A wire is
// followed cell by cell: a piece must be entered through an open side and passes the
// trace on through its other open sides (a crossing straight on only, tees and the
// junction into every other side, branching). An arrow ends a branch at the element it
// points to: LinkMatrix[from][to] = 1, or 2 when the arrow points up into a subtraction
// node 18 or 20 or down into 19 or 20. A branch that enters a piece through a closed
// side, runs into an empty cell or into an element without an arrow, or ends at an arrow
// pointing at no element is a wiring fault at that cell (a block's top-left cell).
//
// Checks. An element the catalogue gives one feeder only (the single-input codes
// 22..55) with more than one feeder, a source (33..37) with a feeder, and a phase-plane
// recorder (63) without exactly one feeder or with a wire leaving it are faults at the
// element's top-left cell.
//
// Ordering. Sources come first (numbering order). Then two contraction passes, over the
// instantaneous elements and then over the elements with dynamics (the catalogue's
// `contraction`), replace an element by direct links from its feeders to its
// successors; an element that ends up feeding itself closes a loop and becomes a loop
// breaker, placed next. The rest follow in dependency order. A breaker is computed before the elements that feed it within a time
// point, so every feedback loop runs through the value of the previous time point. A
// loop of elements that no pass can contract has no breaker: its elements are reported
// as faults. A loop of instantaneous elements only (an algebraic loop) is accepted, and
// each one is named in a Host::warning.
#pragma once

#include <memory>
#include <string_view>

namespace velmar {

class Host;
class Scheme;
struct CompiledScheme;

inline constexpr std::string_view kSchemeFaultText = " Внимание! Ошибка в схеме ";

// Builds `compiled` from the scheme, dropping what it held first. Returns true when the
// scheme has no fault: then `compiled` holds the compiled form (with nothing in it for a
// scheme without elements) and every element has bound its inputs. On a fault
// `compiled` is empty, scheme.ConnectErrors holds the fault cells (at most 101, each
// once) and the fault message has been shown in the host's error box.
bool CompileScheme(Scheme& scheme, std::unique_ptr<CompiledScheme>& compiled, Host& host);

// Drops the compiled form (the editor regime is entered again) and unbinds every input,
// so that nothing points at elements the editor may delete.
void ReleaseCompiled(Scheme& scheme, std::unique_ptr<CompiledScheme>& compiled);

}  // namespace velmar
