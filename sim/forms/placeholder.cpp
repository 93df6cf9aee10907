// Replaced by the scripted forms toolkit.
namespace velmora::sim {}
