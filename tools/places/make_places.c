/* SPDX-License-Identifier: GPL-3.0-or-later */
/* Writes the world's cities of the system's GeoNames library as the program's place table:
 * one city a line, tab-separated, UTF-8:
 *   name, state, country, zone id, latitude (degrees north), longitude (degrees east),
 *   population
 * Usage: make_places OUTPUT. Run with LC_ALL=C so that the country names come in English. */
#include <geonames.h>

#include <stdio.h>
#include <string.h>

/* Tabs and line breaks inside a name would break the table. */
static void put_field(FILE* out, const char* text) {
    for (const char* c = text ? text : ""; *c; ++c)
        fputc(*c == '\t' || *c == '\n' || *c == '\r' ? ' ' : *c, out);
    fputc('\t', out);
}

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: make_places OUTPUT\n");
        return 2;
    }
    const int count = geonames_get_n_cities();
    if (count <= 0) {
        fprintf(stderr, "make_places: the GeoNames library holds no cities\n");
        return 1;
    }
    FILE* out = fopen(argv[1], "wb");
    if (!out) {
        perror(argv[1]);
        return 1;
    }
    int written = 0;
    for (int i = 0; i < count; ++i) {
        GeonamesCity* city = geonames_get_city(i);
        if (!city) continue;
        const char* zone = geonames_city_get_timezone(city);
        const char* name = geonames_city_get_name(city);
        if (name && *name && zone && *zone) {
            put_field(out, name);
            put_field(out, geonames_city_get_state(city));
            put_field(out, geonames_city_get_country(city));
            put_field(out, zone);
            fprintf(out, "%.5f\t%.5f\t%u\n", geonames_city_get_latitude(city),
                    geonames_city_get_longitude(city), geonames_city_get_population(city));
            ++written;
        }
        geonames_city_free(city);
    }
    if (fclose(out) != 0 || written == 0) {
        fprintf(stderr, "make_places: could not write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
