// Placeholder until this subsystem has sources.
namespace {
[[maybe_unused]] constexpr int storePlaceholder = 0;
}
