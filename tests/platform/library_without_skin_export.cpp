// A shared library that loads but has no skin attach function.
extern "C" __attribute__((visibility("default"))) int VelmoraSomethingElse()
{
    return 0;
}
