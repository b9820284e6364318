// Keeps the resource object library non-empty before any resource file exists.
namespace talvoren_resources_anchor {
int anchor = 0;
}
