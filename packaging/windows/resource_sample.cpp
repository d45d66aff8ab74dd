// A GUI program that does nothing but carry the executable's resources, so that a build without the
// window still checks them.
int main() {
    return 0;
}
