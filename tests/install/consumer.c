/* A C host of the installed copy, built with nothing but pkg-config: the C face's name of a
 * decorated export and a rule. */
#include <olvenir_p_c.h>
#include <stdio.h>

int main(void) {
  char16_t pesel[] = u"44051401359";
  const int element = olv_f_KVTElem(121, pesel, 11);
  const int rule = XP0088_1(NULL, u"y");
  printf("%d %d\n", element, rule);
  return element == 0 && rule == 61008801 ? 0 : 1;
}
