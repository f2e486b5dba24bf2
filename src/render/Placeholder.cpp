// Placeholder until this subsystem has sources.
namespace {
[[maybe_unused]] constexpr int renderPlaceholder = 0;
}
