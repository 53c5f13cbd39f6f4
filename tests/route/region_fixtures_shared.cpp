// The location records of the old route formats are built with the same
// field-by-field writer as the region-file tests.
#include "../locations/region_fixtures.cpp"
