// The resource library's own object file; the resources themselves come from quillfern.qrc.
namespace qf {
int ResourcesAnchor() {
  return 0;
}
}  // namespace qf
