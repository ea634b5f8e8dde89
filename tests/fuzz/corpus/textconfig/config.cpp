/* addon */
class CfgPatches
{
	class a: b
	{
		requiredAddons[] = {"c", "d"};
		requiredVersion = 1.62;
	};
	class e;
};
delete f;
enum { x = 1 };
