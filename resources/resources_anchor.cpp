// Gives the resource library an object file of its own.
namespace qf { int ResourcesAnchor() { return 0; } }
